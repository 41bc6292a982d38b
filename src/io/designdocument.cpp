// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/designdocument.h"

#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

DesignDocument::DesignDocument()
    : m_model(std::make_unique<DesignModel>()),
      m_resources(std::make_unique<ResourceCounters>()),
      m_labels(std::make_unique<LabelRegistry>()),
      m_sheets(std::make_unique<SheetSet>()),
      m_edits(std::make_unique<DesignEdits>(*m_model, *m_resources, *m_labels, *m_sheets))
{
    SheetSet *sheets = m_sheets.get();
    LabelRegistry *labels = m_labels.get();
    QObject::connect(m_model.get(), &DesignModel::labelBlockAdded, labels,
                     &LabelRegistry::registerSource);
    QObject::connect(m_model.get(), &DesignModel::blockAboutToBeRemoved, labels,
                     &LabelRegistry::forgetBlock);
    QObject::connect(m_model.get(), &DesignModel::blockAboutToBeRemoved, sheets,
                     [sheets](BlockItem *block) {
                         if (Sheet *sheet = sheets->sheetHolding(block))
                             sheet->remove(block);
                     });
}

DesignDocument::~DesignDocument()
{
    // Blocks go first: sheets and labels only refer to them.
    m_model->clearDesign();
}

DocumentContext DesignDocument::context()
{
    return DocumentContext{m_model.get(), m_resources.get(), m_labels.get(), m_sheets.get(),
                           &m_settings};
}

void DesignDocument::reset()
{
    m_model->clearDesign();
    m_sheets->reset();
    m_labels->reset();
    m_resources->reset();
    m_loadRepairs.clear();
}
