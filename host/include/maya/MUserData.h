#pragma once
// Data a draw override prepares for drawing. The host keeps it between
// redraws and hands it back to the next preparation, unless it is to be
// deleted after use.

#include <maya/MTypes.h>

class OPENMAYA_EXPORT MUserData
{
public:
    MUserData(bool deleteAfterUse);
    virtual ~MUserData();

    bool deleteAfterUse() const;
    void setDeleteAfterUse(bool deleteAfterUse);

private:
    bool fDeleteAfterUse;
};
