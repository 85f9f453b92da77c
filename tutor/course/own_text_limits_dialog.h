#pragma once

#include "tutor/course/own_text_limits.h"

/// The "Enter the Limit" dialog, asked before an own text is read.
class OwnTextLimitsDialog {
  public:
    virtual ~OwnTextLimitsDialog() = default;
    /// Shows the dialog modally with limits as its entries. Returns true when it was closed
    /// with OK; limits then hold the accepted entries (OwnTextLimits::TakeEntries).
    virtual bool Run(OwnTextLimits& limits) = 0;
};
