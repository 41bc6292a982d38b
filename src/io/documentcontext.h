// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DesignModel;
class LabelRegistry;
class ResourceCounters;
class SheetSet;
struct ConnectionSettings;

// The parts of an open document that reading, writing and pasting touch.
// Non-owning: the main window (or a DesignDocument) owns them and keeps them
// alive while a reader or writer runs.
struct DocumentContext
{
    DesignModel *model = nullptr;
    ResourceCounters *resources = nullptr;
    LabelRegistry *labels = nullptr;
    SheetSet *sheets = nullptr;
    ConnectionSettings *settings = nullptr;
};
