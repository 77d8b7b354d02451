#pragma once
// The banded report engine in one include: forms, bands, report controls, detail links,
// the report and its printer object.

#include "core/report/DrawMeta.h"
#include "core/report/ReportControls.h"
#include "core/report/ReportForm.h"
#include "core/report/ReportGraphics.h"
#include "core/report/TBxDetailLink.h"
#include "core/report/TBxPrinter.h"
#include "core/report/TBxReport.h"
#include "core/report/tBxBand.h"
