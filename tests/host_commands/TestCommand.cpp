#include "TestCommand.h"

int TestCommand::total = 0;
int TestCommand::created = 0;
int TestCommand::destroyed = 0;
int TestCommand::undone = 0;
int TestCommand::redone = 0;
