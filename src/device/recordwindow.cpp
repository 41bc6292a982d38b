// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/recordwindow.h"

bool RecordWindow::add(bool bad)
{
    m_bad[size_t(m_next)] = bad;
    m_next = (m_next + 1) % size;
    return badCount() > size / 2;
}
