// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A one-line progress bar on standard error, drawn only when standard
// error is a terminal so that logs and pipes stay clean.
class ProgressBar
{
public:
    ProgressBar(const QString &label, int maximum);
    ~ProgressBar();

    void setValue(int value);
    // Ends the line; further values are ignored.
    void finish();

private:
    void draw();

    QString m_label;
    int m_maximum;
    int m_value = 0;
    int m_drawnWidth = -1;
    bool m_active;
};
