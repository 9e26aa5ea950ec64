#include "time/TimeUnits.h"

namespace nbhost {

namespace {

struct UnitInfo
{
    MTime::Unit unit;
    double perSecond; // units in one second
    const char* name;
};

// Frame rates that are not whole numbers are the NTSC ones: n * 1000 / 1001.
const UnitInfo kUnits[] = {
    {MTime::kHours, 1.0 / 3600.0, "hour"},
    {MTime::kMinutes, 1.0 / 60.0, "min"},
    {MTime::kSeconds, 1.0, "sec"},
    {MTime::kMilliseconds, 1000.0, "millisec"},
    {MTime::kGames, 15.0, "game"},
    {MTime::kFilm, 24.0, "film"},
    {MTime::kPALFrame, 25.0, "pal"},
    {MTime::kNTSCFrame, 30.0, "ntsc"},
    {MTime::kShowScan, 48.0, "show"},
    {MTime::kPALField, 50.0, "palf"},
    {MTime::kNTSCField, 60.0, "ntscf"},
    {MTime::k2FPS, 2.0, "2fps"},
    {MTime::k3FPS, 3.0, "3fps"},
    {MTime::k4FPS, 4.0, "4fps"},
    {MTime::k5FPS, 5.0, "5fps"},
    {MTime::k6FPS, 6.0, "6fps"},
    {MTime::k8FPS, 8.0, "8fps"},
    {MTime::k10FPS, 10.0, "10fps"},
    {MTime::k12FPS, 12.0, "12fps"},
    {MTime::k16FPS, 16.0, "16fps"},
    {MTime::k20FPS, 20.0, "20fps"},
    {MTime::k40FPS, 40.0, "40fps"},
    {MTime::k75FPS, 75.0, "75fps"},
    {MTime::k80FPS, 80.0, "80fps"},
    {MTime::k100FPS, 100.0, "100fps"},
    {MTime::k120FPS, 120.0, "120fps"},
    {MTime::k125FPS, 125.0, "125fps"},
    {MTime::k150FPS, 150.0, "150fps"},
    {MTime::k200FPS, 200.0, "200fps"},
    {MTime::k240FPS, 240.0, "240fps"},
    {MTime::k250FPS, 250.0, "250fps"},
    {MTime::k300FPS, 300.0, "300fps"},
    {MTime::k375FPS, 375.0, "375fps"},
    {MTime::k400FPS, 400.0, "400fps"},
    {MTime::k500FPS, 500.0, "500fps"},
    {MTime::k600FPS, 600.0, "600fps"},
    {MTime::k750FPS, 750.0, "750fps"},
    {MTime::k1200FPS, 1200.0, "1200fps"},
    {MTime::k1500FPS, 1500.0, "1500fps"},
    {MTime::k2000FPS, 2000.0, "2000fps"},
    {MTime::k3000FPS, 3000.0, "3000fps"},
    {MTime::k6000FPS, 6000.0, "6000fps"},
    {MTime::k23_976FPS, 24000.0 / 1001.0, "23.976fps"},
    {MTime::k29_97FPS, 30000.0 / 1001.0, "29.97fps"},
    {MTime::k29_97DF, 30000.0 / 1001.0, "29.97df"},
    {MTime::k47_952FPS, 48000.0 / 1001.0, "47.952fps"},
    {MTime::k59_94FPS, 60000.0 / 1001.0, "59.94fps"},
    {MTime::k44100FPS, 44100.0, "44100fps"},
    {MTime::k48000FPS, 48000.0, "48000fps"},
    {MTime::k90FPS, 90.0, "90fps"},
};

const UnitInfo* find(MTime::Unit unit)
{
    for (const UnitInfo& info : kUnits)
        if (info.unit == unit)
            return &info;
    return nullptr;
}

struct Alias
{
    const char* name;
    MTime::Unit unit;
};

const Alias kAliases[] = {
    {"hours", MTime::kHours},       {"minute", MTime::kMinutes},     {"minutes", MTime::kMinutes},
    {"second", MTime::kSeconds},    {"seconds", MTime::kSeconds},    {"s", MTime::kSeconds},
    {"ms", MTime::kMilliseconds},   {"milliseconds", MTime::kMilliseconds},
    {"games", MTime::kGames},       {"15fps", MTime::kGames},        {"24fps", MTime::kFilm},
    {"25fps", MTime::kPALFrame},    {"30fps", MTime::kNTSCFrame},    {"48fps", MTime::kShowScan},
    {"50fps", MTime::kPALField},    {"60fps", MTime::kNTSCField},
};

} // namespace

double TimeUnits::unitsPerSecond(MTime::Unit unit)
{
    const UnitInfo* info = find(unit);
    return info ? info->perSecond : 0.0;
}

double TimeUnits::convert(double value, MTime::Unit from, MTime::Unit to)
{
    if (from == to)
        return value;
    const double fromRate = unitsPerSecond(from);
    const double toRate = unitsPerSecond(to);
    if (fromRate == 0.0 || toRate == 0.0)
        return 0.0;
    // Multiplying before dividing keeps 1 film == 1.25 ntsc exact.
    return value * toRate / fromRate;
}

bool TimeUnits::isValid(MTime::Unit unit) { return find(unit) != nullptr; }

std::string TimeUnits::name(MTime::Unit unit)
{
    const UnitInfo* info = find(unit);
    return info ? info->name : "";
}

MTime::Unit TimeUnits::fromName(const std::string& name)
{
    for (const UnitInfo& info : kUnits)
        if (name == info.name)
            return info.unit;
    for (const Alias& alias : kAliases)
        if (name == alias.name)
            return alias.unit;
    return MTime::kInvalid;
}

} // namespace nbhost
