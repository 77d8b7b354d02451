#pragma once
// The banded report engine in one include: forms, bands, report controls, detail links,
// the report and its printer object.

#include "report/DrawMeta.h"
#include "report/ReportControls.h"
#include "report/ReportForm.h"
#include "report/ReportGraphics.h"
#include "report/TBxDetailLink.h"
#include "report/TBxPrinter.h"
#include "report/TBxReport.h"
#include "report/tBxBand.h"
