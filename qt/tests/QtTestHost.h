#pragma once
#include <QLocale>
#include <memory>

#include "qt/backend/QtHost.h"

namespace VemoCalendar {

// The Qt host the form tests run on: today fixed at 10 June 1997, 15 twips per pixel and US
// English names, so that cells, captions and twips are the same on every machine.
inline std::unique_ptr<QtHost> MakeTestHost() {
    auto host = std::make_unique<QtHost>();
    host->SetToday(MakeDate(1997, 6, 10));
    host->SetTwipsPerPixel(15);
    host->SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    return host;
}

}  // namespace VemoCalendar
