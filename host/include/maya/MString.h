#pragma once
// The interface's string: UTF-8 text.

#include <maya/MTypes.h>
#include <iosfwd>
#include <string>

class MStatus;
class MStringArray;

class OPENMAYA_EXPORT MString
{
public:
    MString();
    MString(const char* text);
    MString(const char* text, int length);
    MString(const wchar_t* text);
    MString(const MString& other) = default;
    MString(MString&& other) noexcept = default;
    ~MString() = default;

    MString& operator=(const MString& other) = default;
    MString& operator=(MString&& other) noexcept = default;
    MString& operator=(const char* text);
    MString& operator=(double value);

    MString& operator+=(const MString& other);
    MString& operator+=(const char* text);
    MString& operator+=(char c);
    MString& operator+=(double value);
    MString& operator+=(float value);
    MString& operator+=(int value);
    MString& operator+=(unsigned int value);

    bool operator==(const MString& other) const;
    bool operator==(const char* other) const;
    bool operator!=(const MString& other) const;
    bool operator!=(const char* other) const;
    bool operator<(const MString& other) const;
    bool operator>(const MString& other) const;

    MString& set(const char* text);
    MString& set(const char* text, int length);
    MString& set(double value);
    MString& set(double value, int precision);

    const char* asChar() const;
    const char* asUTF8() const;
    unsigned int length() const;
    unsigned int numChars() const;
    bool isEmpty() const;
    void clear();

    int index(char c) const;
    int rindex(char c) const;
    int indexW(const MString& other) const;
    MStatus split(char separator, MStringArray& output) const;
    MString substring(int start, int end) const;
    MString toLowerCase() const;
    MString toUpperCase() const;
    MString& substitute(const MString& before, const MString& after);

    bool isInt() const;
    int asInt() const;
    bool isShort() const;
    short asShort() const;
    bool isUnsigned() const;
    unsigned int asUnsigned() const;
    bool isDouble() const;
    double asDouble() const;
    bool isFloat() const;
    float asFloat() const;

private:
    std::string m_text;
};

OPENMAYA_EXPORT MString operator+(const MString& a, const MString& b);
OPENMAYA_EXPORT MString operator+(const MString& a, const char* b);
OPENMAYA_EXPORT MString operator+(const char* a, const MString& b);
OPENMAYA_EXPORT MString operator+(const MString& a, double b);
OPENMAYA_EXPORT MString operator+(const MString& a, int b);
OPENMAYA_EXPORT MString operator+(const MString& a, unsigned int b);
OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MString& text);

#include <maya/MStatus.h>
