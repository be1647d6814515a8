#pragma once

class QDialog;

namespace rivetbench::app {

// The face the small fixed dialogs share: white, with a light button band under a hairline from
// bandTop down, drawn by the platform's own style otherwise.
void applyDialogFace(QDialog* dialog, int bandTop);

} // namespace rivetbench::app
