#include "SceneTestTypes.h"

namespace scenetest {

const MTypeId TestData::kId(0x7F0A01);
const char* TestData::kName = "nbTestData";
int TestData::live = 0;

const MTypeId TestLocator::kId(0x7F0A02);
const char* TestLocator::kName = "nbTestLocator";
MObject TestLocator::dataAttr;
MObject TestLocator::amountAttr;
int TestLocator::destroyed = 0;
bool TestLocator::failInitialize = false;

} // namespace scenetest
