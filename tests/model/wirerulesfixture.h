// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class DesignModel;
class ResourceCounters;
class WireRules;

// Base of the tests that edit a design through the wiring rules: a fresh
// model, its resource counters and the rules over both for every test
// function.
class WireRulesFixture : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

protected:
    DesignModel *m_model = nullptr;
    ResourceCounters *m_counters = nullptr;
    WireRules *m_rules = nullptr;
};
