// StructReport.h: CStructReport, the model's report as an HTML page: totals by section and
// grade, and the member schedule.
#pragma once

#include "model/StructModel.h"

class CStructReport
{
public:
    // The page, titled with the model's name; texts from the model are escaped.
    static CString Format(const CStructModel& model, const CString& strTitle);
};
