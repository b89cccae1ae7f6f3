#pragma once
// The report filter that the report wizard's filter page fills: the filter-on word, the four
// all-words and the checked entity ids, absence categories, funds and companies. The report
// page keeps it between runs of the wizard.
#include <vector>

#include "platform/core/cstring.h"

class CReportFilter {
public:
    // A text passes a group's test when every item of the group was checked, or when it is not
    // empty and equals (case-sensitive) a checked item.
    bool PassesCategoryFilter(const CString& text) const { return Passes(allCategories, categories, text); }
    bool PassesFundFilter(const CString& text) const { return Passes(allFunds, funds, text); }
    bool PassesCompanyFilter(const CString& text) const { return Passes(allCompanies, companies, text); }
    // Every entity was checked, or the id is among the checked ones.
    bool PassesEntityFilter(int id) const;

    int filterOn = 0;
    int allEntities = 1;
    int allCategories = 1;
    int allFunds = 1;
    int allCompanies = 1;
    std::vector<int> entityIds;
    std::vector<CString> categories;
    std::vector<CString> funds;
    std::vector<CString> companies;

private:
    static bool Passes(int all, const std::vector<CString>& checked, const CString& text);
};
