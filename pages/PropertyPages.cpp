#include "pages/PropertyPages.h"

#include "pages/pagQvCalButton.h"
#include "pages/pagQvCalendar.h"

namespace VemoCalendar {

std::vector<std::string> PropertyPageNames(std::string_view controlType) {
    if (controlType == "QvCalendar")
        return {"pagQvCalendar", std::string(kStandardColor), std::string(kStandardFont), std::string(kStandardPicture)};
    if (controlType == "QvCalButton")
        return {"pagQvCalButton", "pagQvCalendar", std::string(kStandardFont), std::string(kStandardColor),
                std::string(kStandardPicture)};
    return {};
}

bool IsStockPage(std::string_view pageName) {
    return pageName == kStandardColor || pageName == kStandardFont || pageName == kStandardPicture;
}

std::unique_ptr<PropertyPage> CreatePropertyPage(std::string_view pageName, PropertyPageSite& site) {
    if (pageName == "pagQvCalendar") return std::make_unique<pagQvCalendar>(site);
    if (pageName == "pagQvCalButton") return std::make_unique<pagQvCalButton>(site);
    return nullptr;
}

}  // namespace VemoCalendar
