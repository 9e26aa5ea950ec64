#pragma once

#include <QHash>
#include <QObject>
#include <QVector>

#include <list>
#include <memory>

class Frame;

// Which frames hold decoded pixels, least recently used first, and how many
// may: frames in use (what the compositions show: current frames and
// ghosts) keep theirs, and a bounded number of recently used ones are kept
// besides; the others drop their pixels, which their PNG bytes recreate. A
// frame changed since its last encoding is encoded on the workers first.
//
// Pixels are dropped only by Trim, never while a frame is being read, so an
// image a frame handed out stays valid until the caller returns to the
// event loop or composes again. GUI thread only.
class FrameCache
{
public:
    // The process-wide cache.
    static FrameCache& Instance();
    // Forget on the process-wide cache, if it still exists: frames held by
    // other static objects may go after it at exit.
    static void Release(Frame* frame);

    static const int DEFAULT_BUDGET = 48;  // frames of 4 MiB

    explicit FrameCache(int budget = DEFAULT_BUDGET);
    ~FrameCache();
    FrameCache(const FrameCache&) = delete;
    FrameCache& operator=(const FrameCache&) = delete;

    // The frame holds pixels and has just been used.
    void Touch(Frame* frame);
    // The frame holds no pixels any more, or is going.
    void Forget(Frame* frame);
    // The frames one composition shows (the owner names the composition);
    // they keep their pixels until the owner names others.
    void SetInUse(const void* owner, const QVector<Frame*>& frames);
    void ReleaseOwner(const void* owner);
    bool IsInUse(Frame* frame) const { return pins.contains(frame); }

    // Brings the number of decoded frames back within the budget where it can.
    void Trim();
    void SetBudget(int frames);
    int Budget() const { return budget; }
    int DecodedCount() const { return static_cast<int>(order.size()); }

private:
    void ScheduleTrim();
    void Unpin(const QVector<Frame*>& frames);

    std::list<Frame*> order;  // least recently used first
    QHash<Frame*, std::list<Frame*>::iterator> places;
    QHash<const void*, QVector<Frame*>> inUse;
    QHash<Frame*, int> pins;
    int budget;
    bool trimScheduled = false;
    // Lives on the GUI thread: trims asked for while frames are read run
    // from its event loop.
    std::unique_ptr<QObject> receiver;
};
