// SPDX-License-Identifier: GPL-3.0-or-later
#include "wirerulesfixture.h"

#include "model/designmodel.h"
#include "model/resourcecounters.h"
#include "model/wirerules.h"

void WireRulesFixture::init()
{
    m_model = new DesignModel;
    m_counters = new ResourceCounters;
    m_rules = new WireRules(*m_model, *m_counters);
}

void WireRulesFixture::cleanup()
{
    delete m_rules;
    delete m_counters;
    delete m_model;
}
