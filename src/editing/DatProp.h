// The Data Properties window: the modeless inspector of one clicked datum. The
// document owns it; destroying it closes the window that shows it.
#pragma once

namespace oskava {

class CDatProp {
public:
    virtual ~CDatProp() = default;
};

}  // namespace oskava
