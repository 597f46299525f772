#pragma once

#include <QString>
#include <system_error>
#include <vector>

#include "catalogue/catalogue_file.h"
#include "ui/modal_boxes.h"

namespace redox {

// What the start window has to say about the catalogue file it just read;
// nothing when the file was read whole.
std::vector<MessageBoxRequest> catalogueLoadMessages(const CatalogueLoad& load,
                                                     const QString& fileName);

MessageBoxRequest unreadableCatalogueKeptMessage(const QString& fileName);
MessageBoxRequest catalogueNotWrittenMessage(const QString& fileName, std::error_code error);
MessageBoxRequest rowNotEncodableMessage(const QString& fileName, int rowNumber,
                                         const QString& character);
MessageBoxRequest entryNotEncodableMessage(const QString& fileName, const QString& character);
MessageBoxRequest catalogueMissingForEditorMessage(const QString& fileName);
MessageBoxRequest editorNotStartedMessage(const QString& fileName);

}  // namespace redox
