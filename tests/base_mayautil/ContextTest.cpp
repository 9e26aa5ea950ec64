#include "MayaUtilTest.h"

#include "base/MayaUtil.h"

#include "tools/ContextRegistry.h"

#include <maya/MPxContext.h>
#include <maya/MPxContextCommand.h>

#include <gtest/gtest.h>

namespace {

class PlainContextCommand : public MPxContextCommand
{
public:
    static void* creator() { return new PlainContextCommand; }
    MPxContext* makeObj() override { return new MPxContext; }
};

TEST_F(MayaUtilTest, ToolContextsAreCreatedFoundAndMadeCurrent)
{
    ASSERT_TRUE(nbhost::ContextRegistry::instance().addCommand(host(), "nbTestCtx",
                                                               PlainContextCommand::creator, "tests"));
    MString name;
    ASSERT_TRUE(MayaUtil::CreateContext("nbTestCtx", name));
    EXPECT_FALSE(name.isEmpty());
    EXPECT_TRUE(MayaUtil::ContextExists(name));
    EXPECT_FALSE(MayaUtil::ContextExists("nbTestCtx"));
    EXPECT_TRUE(MayaUtil::SetContext(name));
    MString current;
    EXPECT_TRUE(MayaUtil::CurrentContext(current));
    EXPECT_EQ(current, name);
    EXPECT_FALSE(MayaUtil::SetContext("noSuchContext"));
}

} // namespace
