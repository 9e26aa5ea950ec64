#include "node/BaseNodeUserData.h"

BaseNodeUserData::BaseNodeUserData() : MUserData(false)
{
}
