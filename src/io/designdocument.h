// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"
#include "model/connectionsettings.h"

#include <QStringList>

#include <memory>

class DesignEdits;
class DesignModel;
class LabelRegistry;
class ResourceCounters;
class SheetSet;

// A design with everything a document holds, for use without the GUI (the
// command-line tool, tests). Keeps sheets and the label registry in step
// with the model: a block the model deletes leaves its sheet and its label
// entry, and new feedback or label blocks are registered.
class DesignDocument
{
public:
    DesignDocument();
    ~DesignDocument();

    DesignDocument(const DesignDocument &) = delete;
    DesignDocument &operator=(const DesignDocument &) = delete;

    DocumentContext context();
    DesignModel &model() { return *m_model; }
    ResourceCounters &resources() { return *m_resources; }
    LabelRegistry &labels() { return *m_labels; }
    SheetSet &sheets() { return *m_sheets; }
    ConnectionSettings &settings() { return m_settings; }
    // The edit operations on this document's parts.
    DesignEdits &edits() { return *m_edits; }
    // The reader's notes on how the loaded design differs from its file.
    const QStringList &loadRepairs() const { return m_loadRepairs; }
    void setLoadRepairs(const QStringList &repairs) { m_loadRepairs = repairs; }

    // Empties the design: one sheet "Sheet1", every counter free, no labels,
    // no load repairs. The connection settings are left as they are.
    void reset();

private:
    std::unique_ptr<DesignModel> m_model;
    std::unique_ptr<ResourceCounters> m_resources;
    std::unique_ptr<LabelRegistry> m_labels;
    std::unique_ptr<SheetSet> m_sheets;
    std::unique_ptr<DesignEdits> m_edits;
    ConnectionSettings m_settings;
    QStringList m_loadRepairs;
};
