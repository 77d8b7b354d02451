#include "core/saints/FoldedName.h"

#include "Utf8.h"

#include <gtest/gtest.h>

using namespace zelmora;
using test::cp1252Of;

TEST(FoldedName, FoldsCaseAccentsAndSeparators)
{
    const struct {
        const char* utf8;
        const char* folded;
    } cases[] = {
        {"Élodie", "elodie"},
        {"ELODIE", "elodie"},
        {"élodie", "elodie"},
        {"Gaëlle", "gaelle"},
        {"FRANÇOISE", "francoise"},
        {"Jérôme", "jerome"},
        {"Ñuño", "nuno"},
        {"Œdipe", "oedipe"},
        {"Lætitia", "laetitia"},
        {"Šárka Žofie", "sarka-zofie"},
        {"ŸVON", "yvon"},
        {"Jean-Baptiste", "jean-baptiste"},
        {"jean baptiste", "jean-baptiste"},
        {"  Jean -  Baptiste  ", "jean-baptiste"},
        {"Jean--Baptiste", "jean-baptiste"},
        {"Zoé\u00A0Marie", "zoe-marie"},
        {"Jean\tMarie", "jean-marie"},
        {" - ", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(foldName(cp1252Of(c.utf8)), c.folded) << c.utf8;
    }
}
