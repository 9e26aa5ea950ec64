#include "node/TimelineMarks.h"

#include "node/BaseNode.h"

TimelineMarks::~TimelineMarks()
{
    BaseNode::ForgetTimelineMarks(this);
}
