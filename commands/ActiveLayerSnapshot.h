#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class BaseNode;

// Which camera is the document's active one, which layer is active in each
// of some cameras, and which of those cameras the document did not list yet,
// taken before a command changes them, so that its undo gives back exactly
// that: removing, re-inserting or moving layers shifts and re-flags active
// layers on its own, and a camera given its first layer stays listed.
class ActiveLayerSnapshot
{
public:
    void Take(const BaseNode& node, const QStringList& cameras);
    // Cameras without layers now are skipped; none is created, and those
    // that were not listed are taken out of the document again.
    void Restore(BaseNode& node) const;

    QString ActiveCamera() const { return activeCamera; }
    // The recorded active index of the camera, -1 when not recorded.
    int ActiveIndex(const QString& camera) const;

private:
    QString activeCamera;
    QList<QPair<QString, int>> activeIndices;
    QStringList unlistedCameras;
};
