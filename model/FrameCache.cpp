#include "model/FrameCache.h"

#include "model/Frame.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {
FrameCache* processCache = nullptr;
}

FrameCache& FrameCache::Instance()
{
    static FrameCache cache;
    processCache = &cache;
    return cache;
}

void FrameCache::Release(Frame* frame)
{
    if (processCache)
        processCache->Forget(frame);
}

FrameCache::FrameCache(int budget) : budget(std::max(0, budget)), receiver(std::make_unique<QObject>())
{
    if (QCoreApplication* app = QCoreApplication::instance())
        receiver->moveToThread(app->thread());
}

FrameCache::~FrameCache()
{
    if (processCache == this)
        processCache = nullptr;
}

void FrameCache::Touch(Frame* frame)
{
    auto place = places.find(frame);
    if (place != places.end())
        order.erase(place.value());
    order.push_back(frame);
    places.insert(frame, std::prev(order.end()));
    if (DecodedCount() > budget)
        ScheduleTrim();
}

void FrameCache::Forget(Frame* frame)
{
    auto place = places.find(frame);
    if (place != places.end()) {
        order.erase(place.value());
        places.erase(place);
    }
    if (!pins.contains(frame))
        return;
    pins.remove(frame);
    for (QVector<Frame*>& frames : inUse)
        frames.removeAll(frame);
}

void FrameCache::SetInUse(const void* owner, const QVector<Frame*>& frames)
{
    for (Frame* frame : frames)
        ++pins[frame];
    Unpin(inUse.value(owner));
    inUse.insert(owner, frames);
}

void FrameCache::ReleaseOwner(const void* owner)
{
    Unpin(inUse.take(owner));
}

void FrameCache::Unpin(const QVector<Frame*>& frames)
{
    for (Frame* frame : frames) {
        auto pin = pins.find(frame);
        if (pin != pins.end() && --pin.value() <= 0)
            pins.erase(pin);
    }
}

void FrameCache::Trim()
{
    trimScheduled = false;
    int excess = DecodedCount() - budget;
    for (auto it = order.begin(); it != order.end() && excess > 0;) {
        Frame* frame = *it++;  // dropping takes the frame out of the order
        if (pins.contains(frame))
            continue;
        if (frame->DropImage())
            --excess;
        else
            frame->EncodeAhead();  // dropped by a later trim, once encoded
    }
}

void FrameCache::SetBudget(int frames)
{
    budget = std::max(0, frames);
    Trim();
}

void FrameCache::ScheduleTrim()
{
    if (trimScheduled || !QCoreApplication::instance())
        return;
    trimScheduled = true;
    QMetaObject::invokeMethod(receiver.get(), [this] { Trim(); }, Qt::QueuedConnection);
}
