#pragma once

#include "ui/platform/services.h"

namespace dryfriction {

// The desktop's clipboard.
class SystemClipboard final : public ClipboardService {
public:
    void setImage(const QImage& image) override;
};

}  // namespace dryfriction
