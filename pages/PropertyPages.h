#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/PropertyPageSite.h"

namespace VemoCalendar {

// The host's stock pages, named in the controls' page lists.
inline constexpr std::string_view kStandardColor = "StandardColor";
inline constexpr std::string_view kStandardFont = "StandardFont";
inline constexpr std::string_view kStandardPicture = "StandardPicture";

// The pages a control names, in its order: QvCalendar has pagQvCalendar, StandardColor,
// StandardFont, StandardPicture; QvCalButton has pagQvCalButton, pagQvCalendar, StandardFont,
// StandardColor, StandardPicture. Any other type names none.
std::vector<std::string> PropertyPageNames(std::string_view controlType);

bool IsStockPage(std::string_view pageName);

// Makes one of the library's own pages on its site (its widgets made, not yet initialised);
// null for a stock page or an unknown name.
std::unique_ptr<PropertyPage> CreatePropertyPage(std::string_view pageName, PropertyPageSite& site);

}  // namespace VemoCalendar
