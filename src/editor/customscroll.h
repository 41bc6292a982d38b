// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

// Scroll area of a sheet. Up and Down move the selected blocks on the canvas,
// so they must not scroll the view as well.
class CustomScroll : public QScrollArea
{
    Q_OBJECT
public:
    explicit CustomScroll(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
