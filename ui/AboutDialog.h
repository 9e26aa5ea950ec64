#pragma once

#include <QDialog>

// The application's title and the plug-in's version as the host reports
// it; Close or Escape ends it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);

    // "Version 2.5.4", or the version the plug-in registered with when the
    // host knows it under another.
    static QString VersionText();
};
