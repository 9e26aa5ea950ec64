#pragma once
// A time value with its unit.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

class OPENMAYA_EXPORT MTime
{
public:
    enum Unit
    {
        kInvalid,
        kHours,
        kMinutes,
        kSeconds,
        kMilliseconds,
        kGames,      // 15 fps
        kFilm,       // 24 fps
        kPALFrame,   // 25 fps
        kNTSCFrame,  // 30 fps
        kShowScan,   // 48 fps
        kPALField,   // 50 fps
        kNTSCField,  // 60 fps
        k2FPS,
        k3FPS,
        k4FPS,
        k5FPS,
        k6FPS,
        k8FPS,
        k10FPS,
        k12FPS,
        k16FPS,
        k20FPS,
        k40FPS,
        k75FPS,
        k80FPS,
        k100FPS,
        k120FPS,
        k125FPS,
        k150FPS,
        k200FPS,
        k240FPS,
        k250FPS,
        k300FPS,
        k375FPS,
        k400FPS,
        k500FPS,
        k600FPS,
        k750FPS,
        k1200FPS,
        k1500FPS,
        k2000FPS,
        k3000FPS,
        k6000FPS,
        k23_976FPS,
        k29_97FPS,
        k29_97DF,
        k47_952FPS,
        k59_94FPS,
        k44100FPS,
        k48000FPS,
        k90FPS,
        kUserDef,
        kLast
    };

    MTime();
    MTime(double value, Unit unit = uiUnit());
    MTime(const MTime& other) = default;
    ~MTime() = default;
    MTime& operator=(const MTime& other) = default;

    Unit unit() const;
    double value() const;
    double as(Unit unit) const;
    double asUnits(Unit unit) const;
    MStatus setValue(double value);
    // Changes the unit and converts the value so the time stays the same.
    MStatus setUnit(Unit unit);

    static Unit uiUnit();
    static MStatus setUIUnit(Unit unit);

    MTime operator+(const MTime& right) const;
    MTime operator+(double right) const;
    MTime operator-(const MTime& right) const;
    MTime operator-(double right) const;
    MTime operator-() const;
    MTime operator*(double right) const;
    MTime operator/(double right) const;
    MTime& operator+=(const MTime& right);
    MTime& operator+=(double right);
    MTime& operator-=(const MTime& right);
    MTime& operator-=(double right);
    MTime& operator*=(double right);
    MTime& operator/=(double right);

    bool operator==(const MTime& right) const;
    bool operator!=(const MTime& right) const;
    bool operator<(const MTime& right) const;
    bool operator>(const MTime& right) const;
    bool operator<=(const MTime& right) const;
    bool operator>=(const MTime& right) const;

private:
    double seconds() const;

    double m_value;
    Unit m_unit;
};

OPENMAYA_EXPORT MTime operator+(double left, const MTime& right);
OPENMAYA_EXPORT MTime operator-(double left, const MTime& right);
OPENMAYA_EXPORT MTime operator*(double left, const MTime& right);
