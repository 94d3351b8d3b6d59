#pragma once

#include "laystore/commands/ExchangeObjectsCmd.h"

namespace VelSystem {

// "EditBlock": records a blocking changed by hand. Parameters (copy, group), pointers as
// void* variants: `group` is placed in the document and already changed, `copy` an unplaced
// copy of it taken before the change, which the command owns once it answered 0. Refused,
// changing nothing: a parameter missing or of the wrong kind (1), a group not in the document
// or a copy that is placed (2), no change (3), a blocking that no longer encloses its pieces,
// crosses itself or leaves the fabric (CDbBlockHelper::kInvalidBlocking).
class EditBlockCmd : public ExchangeObjectsCmd
{
    Q_OBJECT
public:
    EditBlockCmd();

    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
