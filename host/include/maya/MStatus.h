#pragma once
// Result of an interface call: a status code with an optional error text.

#include <maya/MTypes.h>

class MString;

class OPENMAYA_EXPORT MStatus
{
public:
    enum MStatusCode
    {
        kSuccess = 0,
        kFailure,
        kInsufficientMemory,
        kInvalidParameter,
        kLicenseFailure,
        kUnknownParameter,
        kNotImplemented,
        kNotFound,
        kEndOfFile
    };

    MStatus();
    MStatus(MStatusCode code);
    MStatus(const MStatus& other) = default;
    MStatus& operator=(const MStatus& other) = default;

    bool operator==(const MStatus& other) const;
    bool operator==(MStatusCode code) const;
    bool operator!=(const MStatus& other) const;
    bool operator!=(MStatusCode code) const;
    operator bool() const;

    bool error() const;
    void clear();
    MStatusCode statusCode() const;
    MString errorString() const;
    void perror(const char* text = nullptr) const;
    void perror(const MString& text) const;

private:
    MStatusCode m_code;
};

#define MS MStatus

#define CHECK_MSTATUS_AND_RETURN_IT(_status) \
    do { MStatus _s = (_status); if (!_s) { return _s; } } while (0)
#define CHECK_MSTATUS_AND_RETURN(_status, _retVal) \
    do { if (!(_status)) { return (_retVal); } } while (0)
#define CHECK_MSTATUS(_status) ((void)(_status))

#include <maya/MString.h>
