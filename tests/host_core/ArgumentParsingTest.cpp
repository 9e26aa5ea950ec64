#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MDoubleArray.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>
#include <maya/MTime.h>

#include "script/Value.h"

#include <gtest/gtest.h>

using nbhost::Value;

namespace {

Value v(const char* text) { return Value::fromString(text); }
Value v(int number) { return Value::fromInt(number); }
Value v(double number) { return Value::fromFloat(number); }

template <typename... Args>
MArgList argList(Args... args)
{
    return MArgList(std::vector<Value>{v(args)...});
}

MSyntax typedSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-b", "-boolean", MSyntax::kBoolean);
    syntax.addFlag("-i", "-integer", MSyntax::kLong);
    syntax.addFlag("-d", "-double", MSyntax::kDouble);
    syntax.addFlag("-s", "-string", MSyntax::kString);
    syntax.addFlag("-u", "-unsigned", MSyntax::kUnsigned);
    syntax.addFlag("-t", "-time", MSyntax::kTime);
    syntax.addFlag("-p", "-pair", MSyntax::kString, MSyntax::kDouble);
    syntax.addFlag("-n", "-noArg");
    return syntax;
}

std::string parseError(const MSyntax& syntax, const MArgList& args)
{
    MStatus status;
    MArgDatabase db(syntax, args, &status);
    EXPECT_EQ(status == MStatus::kSuccess, db.hostError().empty());
    return db.hostError();
}

} // namespace

TEST(ArgumentParsing, ReadsEveryArgumentTypeByShortOrLongName)
{
    MStatus status;
    MArgDatabase db(typedSyntax(),
                    argList("-boolean", "off", "-i", -7, "-double", 2, "-s", 12, "-u", "3", "-t", 12.5,
                            "-p", "name", 0.25, "-noArg"),
                    &status);
    ASSERT_TRUE(status) << db.hostError();
    bool b = true;
    int i = 0;
    double d = 0.0;
    MString s;
    unsigned int u = 0;
    MTime t;
    EXPECT_TRUE(db.getFlagArgument("b", 0, b));
    EXPECT_FALSE(b);
    EXPECT_TRUE(db.getFlagArgument("-integer", 0, i));
    EXPECT_EQ(i, -7);
    EXPECT_TRUE(db.getFlagArgument("-d", 0, d));
    EXPECT_DOUBLE_EQ(d, 2.0);
    EXPECT_TRUE(db.getFlagArgument("-string", 0, s));
    EXPECT_EQ(s, MString("12")); // numbers read as strings where a string is wanted
    EXPECT_TRUE(db.getFlagArgument("-u", 0, u));
    EXPECT_EQ(u, 3u);
    EXPECT_TRUE(db.getFlagArgument("-time", 0, t));
    EXPECT_DOUBLE_EQ(t.as(MTime::kFilm), 12.5);
    EXPECT_EQ(db.flagArgumentString("-pair", 0), MString("name"));
    EXPECT_DOUBLE_EQ(db.flagArgumentDouble("-pair", 1), 0.25);
    EXPECT_TRUE(db.isFlagSet("-n"));
    EXPECT_TRUE(db.isFlagSet("noArg"));
    EXPECT_EQ(db.numberOfFlagsUsed(), 8u);
    // Reading past a flag's arguments or an unset flag fails and leaves the variable.
    EXPECT_FALSE(db.getFlagArgument("-pair", 2, d));
    EXPECT_FALSE(db.getFlagArgument("-n", 0, i));
    EXPECT_EQ(i, -7);
}

TEST(ArgumentParsing, RejectsUnknownMissingAndMistypedArguments)
{
    const MSyntax syntax = typedSyntax();
    EXPECT_EQ(parseError(syntax, argList("-foo")), "Invalid flag: -foo");
    EXPECT_EQ(parseError(syntax, argList("-s")), "Flag -s needs an argument of type string");
    EXPECT_EQ(parseError(syntax, argList("-i", "abc")), "Flag -i needs an argument of type int, not \"abc\"");
    EXPECT_EQ(parseError(syntax, argList("-u", -1)), "Flag -u needs an argument of type unsigned int, not \"-1\"");
    EXPECT_EQ(parseError(syntax, argList("-b", "maybe")),
              "Flag -b needs an argument of type boolean, not \"maybe\"");
    EXPECT_EQ(parseError(syntax, argList("-p", "x")), "Flag -p needs 2 arguments of types string, float");
    // A string argument may start with a dash unless it is one of the flags.
    EXPECT_EQ(parseError(syntax, argList("-s", "-n")), "Flag -s needs an argument of type string");
    EXPECT_EQ(parseError(syntax, argList("-s", "-other")), "");
    EXPECT_EQ(parseError(syntax, argList("-i", 1, "-i", 2)), "Flag -i can be used only once");
    EXPECT_EQ(parseError(syntax, argList("-n", "extra")), "Unexpected argument: \"extra\"");
    // Negative numbers are values, not flags.
    EXPECT_EQ(parseError(syntax, argList("-d", -0.5)), "");
    EXPECT_EQ(parseError(syntax, argList("-d", "-0.5")), "");
}

TEST(ArgumentParsing, QueryFlagsTakeNoArgumentsUnlessMadeToTakeThem)
{
    MSyntax syntax = typedSyntax();
    EXPECT_EQ(parseError(syntax, argList("-q", "-d")), "Invalid flag: -q");
    syntax.enableQuery();
    syntax.makeFlagQueryWithFullArgs("-string", false);
    syntax.makeFlagQueryWithFullArgs("-pair", true);

    MStatus status;
    MArgDatabase db(syntax, argList("-d", "-query", "-s", "key", "-p"), &status);
    ASSERT_TRUE(status) << db.hostError();
    EXPECT_TRUE(db.isQuery());
    EXPECT_FALSE(db.isEdit());
    EXPECT_TRUE(db.isFlagSet("-d"));
    double d = 0;
    EXPECT_FALSE(db.getFlagArgument("-d", 0, d));
    EXPECT_EQ(db.flagArgumentString("-s", 0), MString("key"));
    EXPECT_TRUE(db.isFlagSet("-p"));

    EXPECT_EQ(parseError(syntax, argList("-q", "-s")), "Flag -s needs an argument of type string");
    EXPECT_EQ(parseError(syntax, argList("-q", "-e")), "Invalid flag: -e");
    syntax.enableEdit();
    EXPECT_EQ(parseError(syntax, argList("-e", "-q", "-d")), "Edit and query flags cannot be used together");
    MArgDatabase edit(syntax, argList("-edit", "-d", 3), &status);
    EXPECT_TRUE(status);
    EXPECT_TRUE(edit.isEdit());
    EXPECT_DOUBLE_EQ(edit.flagArgumentDouble("-d", 0), 3.0);
}

TEST(ArgumentParsing, CommandArgumentsComeBeforeCountedObjects)
{
    MSyntax syntax;
    syntax.addFlag("-r", "-relative");
    syntax.addArg(MSyntax::kDouble);
    syntax.addArg(MSyntax::kLong);
    syntax.setObjectType(MSyntax::kStringObjects, 1, 2);

    MStatus status;
    MArgDatabase db(syntax, argList(1.5, "-r", 4, "a", "b"), &status);
    ASSERT_TRUE(status) << db.hostError();
    EXPECT_DOUBLE_EQ(db.commandArgumentDouble(0), 1.5);
    EXPECT_EQ(db.commandArgumentInt(1), 4);
    MStringArray objects;
    EXPECT_TRUE(db.getObjects(objects));
    ASSERT_EQ(objects.length(), 2u);
    EXPECT_EQ(objects[1], MString("b"));

    EXPECT_EQ(parseError(syntax, argList(1.5)), "Not enough arguments: 2 needed, 1 given");
    EXPECT_EQ(parseError(syntax, argList("x", 4, "a")), "Argument 1 needs to be of type float, not \"x\"");
    EXPECT_EQ(parseError(syntax, argList(1.5, 4)), "Not enough objects: at least 1 needed, 0 given");
    EXPECT_EQ(parseError(syntax, argList(1.5, 4, "a", "b", "c")), "Too many objects: at most 2 allowed, 3 given");
    syntax.useSelectionAsDefault(true);
    EXPECT_EQ(parseError(syntax, argList(1.5, 4)), "");
}

TEST(ArgumentParsing, MultiUseFlagsKeepEveryUse)
{
    MSyntax syntax;
    syntax.addFlag("-iv", "-intValue", MSyntax::kString, MSyntax::kLong);
    EXPECT_EQ(syntax.addFlag("-iv", "-other"), MStatus::kFailure);
    EXPECT_EQ(syntax.makeFlagMultiUse("-missing"), MStatus::kNotFound);
    syntax.makeFlagMultiUse("-iv");
    MArgDatabase db(syntax, argList("-iv", "a", 1, "-intValue", "b", 2));
    ASSERT_EQ(db.numberOfFlagUses("-iv"), 2u);
    MArgList second;
    ASSERT_TRUE(db.getFlagArgumentList("-iv", 1, second));
    EXPECT_EQ(second.asString(0), MString("b"));
    EXPECT_EQ(second.asInt(1), 2);
    EXPECT_FALSE(db.getFlagArgumentList("-iv", 2, second));
}

TEST(ArgumentParsing, ArgListConvertsAndFindsFlags)
{
    MArgList args = argList("-name", "12", "yes", "abc", 3, "x", "y", "z");
    MStatus status;
    EXPECT_EQ(args.asInt(1, &status), 12);
    EXPECT_TRUE(status);
    EXPECT_TRUE(args.asBool(2, &status));
    args.asDouble(3, &status);
    EXPECT_FALSE(status);
    args.asInt(99, &status);
    EXPECT_FALSE(status);
    EXPECT_EQ(args.flagIndex("n", "name"), 0u);
    EXPECT_EQ(args.flagIndex("-missing"), MArgList::kInvalidArgIndex);

    // A count followed by that many elements, or one array argument.
    unsigned int index = 4;
    MStringArray strings = args.asStringArray(index, &status);
    ASSERT_TRUE(status);
    EXPECT_EQ(strings.length(), 3u);
    EXPECT_EQ(index, 8u);
    index = 6;
    args.asStringArray(index, &status);
    EXPECT_FALSE(status) << "a count past the end must fail";
    EXPECT_EQ(index, 6u);

    MArgList built;
    MDoubleArray doubles;
    doubles.append(0.5);
    doubles.append(2.0);
    built.addArg(doubles).addArg(MString("after"));
    index = 0;
    MDoubleArray read = built.asDoubleArray(index, &status);
    ASSERT_TRUE(status);
    EXPECT_EQ(read, doubles);
    EXPECT_EQ(built.asString(index), MString("after"));
}
