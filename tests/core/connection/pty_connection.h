#pragma once

#include "core/connection/connection_sequence.h"
#include "core/connection/program_context.h"
#include "core/link/com_port.h"
#include "core/link/serial_port.h"
#include "tools/elmsim/pty_elm.h"

#include "tests/core/connection/connection_recording_view.h"

#include <memory>

// The program's context and connection sequence on the port of an emulated interface that
// serves on a pseudo-terminal of its own.
struct PtyConnection {
    ProgramContext context;
    RecordingConnectionView view;
    ConnectionSequence sequence{context, view};
    std::unique_ptr<PtyElm> elm;

    explicit PtyConnection(const PtyElm::Config& config) {
        context.comPort = createComPort();
        context.link.setChannel(context.comPort.get());
        context.link.setSilenceTimeout(300);
        elm = std::make_unique<PtyElm>(config);
        elm->start();
        context.comPort->setPortName(elm->slavePath());
    }
};
