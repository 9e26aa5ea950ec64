#include <maya/MTime.h>

#include "core/Host.h"
#include "time/TimeState.h"
#include "time/TimeUnits.h"

#include <algorithm>
#include <cmath>

using nbhost::TimeUnits;

namespace {

// Times are equal when they differ by less than the host's time resolution.
bool nearlyEqual(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

} // namespace

MTime::MTime() : m_value(0.0), m_unit(uiUnit()) {}

MTime::MTime(double value, Unit unit) : m_value(value), m_unit(TimeUnits::isValid(unit) ? unit : kFilm) {}

MTime::Unit MTime::unit() const { return m_unit; }
double MTime::value() const { return m_value; }
double MTime::as(Unit unit) const { return TimeUnits::convert(m_value, m_unit, unit); }
double MTime::asUnits(Unit unit) const { return as(unit); }

MStatus MTime::setValue(double value)
{
    m_value = value;
    return MStatus::kSuccess;
}

MStatus MTime::setUnit(Unit unit)
{
    if (!TimeUnits::isValid(unit))
        return MStatus::kInvalidParameter;
    m_value = as(unit);
    m_unit = unit;
    return MStatus::kSuccess;
}

MTime::Unit MTime::uiUnit()
{
    nbhost::Host* host = nbhost::Host::current();
    return host ? host->time().uiUnit() : kFilm;
}

MStatus MTime::setUIUnit(Unit unit)
{
    nbhost::Host* host = nbhost::Host::current();
    if (!host)
        return MStatus::kFailure;
    return host->time().setUIUnit(unit) ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

double MTime::seconds() const { return m_value / TimeUnits::unitsPerSecond(m_unit); }

MTime MTime::operator+(const MTime& right) const { return MTime(m_value + right.as(m_unit), m_unit); }
MTime MTime::operator+(double right) const { return MTime(m_value + right, m_unit); }
MTime MTime::operator-(const MTime& right) const { return MTime(m_value - right.as(m_unit), m_unit); }
MTime MTime::operator-(double right) const { return MTime(m_value - right, m_unit); }
MTime MTime::operator-() const { return MTime(-m_value, m_unit); }
MTime MTime::operator*(double right) const { return MTime(m_value * right, m_unit); }
MTime MTime::operator/(double right) const { return MTime(m_value / right, m_unit); }

MTime& MTime::operator+=(const MTime& right) { return *this = *this + right; }
MTime& MTime::operator+=(double right) { return *this = *this + right; }
MTime& MTime::operator-=(const MTime& right) { return *this = *this - right; }
MTime& MTime::operator-=(double right) { return *this = *this - right; }
MTime& MTime::operator*=(double right) { return *this = *this * right; }
MTime& MTime::operator/=(double right) { return *this = *this / right; }

bool MTime::operator==(const MTime& right) const { return nearlyEqual(seconds(), right.seconds()); }
bool MTime::operator!=(const MTime& right) const { return !(*this == right); }
bool MTime::operator<(const MTime& right) const { return seconds() < right.seconds() && *this != right; }
bool MTime::operator>(const MTime& right) const { return right < *this; }
bool MTime::operator<=(const MTime& right) const { return !(right < *this); }
bool MTime::operator>=(const MTime& right) const { return !(*this < right); }

MTime operator+(double left, const MTime& right) { return right + left; }
MTime operator-(double left, const MTime& right) { return -right + left; }
MTime operator*(double left, const MTime& right) { return right * left; }
