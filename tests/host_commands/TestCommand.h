#pragma once

#include <maya/MArgDatabase.h>
#include <maya/MGlobal.h>
#include <maya/MPxCommand.h>
#include <maya/MSyntax.h>

// A command for the tests: adds its -value to a running total, undoably.
//   testCmd -v 3             total += 3, result 3, one undo step
//   testCmd -fail            reports an error and fails
//   testCmd -silentFail      fails without a word
//   testCmd -noUndo -v 1     changes the total but leaves no undo step
//   testCmd -nested "<cmd>"  runs <cmd> with undo on from inside doIt
class TestCommand : public MPxCommand
{
public:
    static int total;
    static int created;
    static int destroyed;
    static int undone;
    static int redone;

    static void reset() { total = created = destroyed = undone = redone = 0; }
    static int alive() { return created - destroyed; }

    static void* creator() { return new TestCommand; }
    static MSyntax newSyntax()
    {
        MSyntax syntax;
        syntax.addFlag("-v", "-value", MSyntax::kLong);
        syntax.addFlag("-f", "-fail");
        syntax.addFlag("-sf", "-silentFail");
        syntax.addFlag("-nu", "-noUndo");
        syntax.addFlag("-n", "-nested", MSyntax::kString);
        return syntax;
    }

    TestCommand() { ++created; }
    ~TestCommand() override { ++destroyed; }

    MStatus doIt(const MArgList& args) override
    {
        MArgDatabase db(syntax(), args);
        if (db.isFlagSet("-fail")) {
            displayError("testCmd: asked to fail");
            return MStatus::kFailure;
        }
        if (db.isFlagSet("-silentFail"))
            return MStatus::kFailure;
        MString nested;
        if (db.getFlagArgument("-nested", 0, nested))
            MGlobal::executeCommand(nested, false, true);
        db.getFlagArgument("-value", 0, m_value);
        setUndoable(!db.isFlagSet("-noUndo"));
        setResult(m_value);
        return redoApply();
    }
    MStatus undoIt() override
    {
        ++undone;
        total -= m_value;
        return MStatus::kSuccess;
    }
    MStatus redoIt() override
    {
        ++redone;
        return redoApply();
    }

private:
    MStatus redoApply()
    {
        total += m_value;
        return MStatus::kSuccess;
    }

    int m_value = 0;
};
