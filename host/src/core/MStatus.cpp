#include <maya/MStatus.h>

#include <maya/MGlobal.h>

namespace {

const char* codeText(MStatus::MStatusCode code)
{
    switch (code) {
    case MStatus::kSuccess: return "(kSuccess): No error";
    case MStatus::kFailure: return "(kFailure): Unexpected Internal Failure";
    case MStatus::kInsufficientMemory: return "(kInsufficientMemory): Insufficient memory";
    case MStatus::kInvalidParameter: return "(kInvalidParameter): Object is incompatible with this method";
    case MStatus::kLicenseFailure: return "(kLicenseFailure): License failure";
    case MStatus::kUnknownParameter: return "(kUnknownParameter): Unknown parameter";
    case MStatus::kNotImplemented: return "(kNotImplemented): Not implemented";
    case MStatus::kNotFound: return "(kNotFound): Object not found";
    case MStatus::kEndOfFile: return "(kEndOfFile): End of file";
    }
    return "(kFailure): Unknown status";
}

} // namespace

MStatus::MStatus() : m_code(kSuccess) {}
MStatus::MStatus(MStatusCode code) : m_code(code) {}

bool MStatus::operator==(const MStatus& other) const { return m_code == other.m_code; }
bool MStatus::operator==(MStatusCode code) const { return m_code == code; }
bool MStatus::operator!=(const MStatus& other) const { return m_code != other.m_code; }
bool MStatus::operator!=(MStatusCode code) const { return m_code != code; }
MStatus::operator bool() const { return m_code == kSuccess; }

bool MStatus::error() const { return m_code != kSuccess; }
void MStatus::clear() { m_code = kSuccess; }
MStatus::MStatusCode MStatus::statusCode() const { return m_code; }
MString MStatus::errorString() const { return MString(codeText(m_code)); }

void MStatus::perror(const char* text) const
{
    MString message = text ? MString(text) + ": " : MString();
    MGlobal::displayError(message + errorString());
}

void MStatus::perror(const MString& text) const { perror(text.asChar()); }
