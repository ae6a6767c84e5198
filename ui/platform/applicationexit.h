#pragma once

#include "ui/platform/services.h"

namespace dryfriction {

// Ends the application's event loop with status 0.
class ApplicationExit final : public ExitService {
public:
    void exitProgram() override;
};

}  // namespace dryfriction
