// Copyright (c) Kestrin developers.
//
// With no printer the messenger still counts and forwards nothing; the reader's own checks (which
// decide success) are kept in the model and do not depend on printing.
#include "SilentMessenger.h"

#include <Message.hxx>
#include <Message_Messenger.hxx>

namespace quarnel::worker {

void SilenceMessenger() {
    Message::DefaultMessenger()->ChangePrinters().Clear();
}

} // namespace quarnel::worker
