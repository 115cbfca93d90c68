#include "cli/LengthCheck.h"

#include <QCoreApplication>

#include "cli/ErrorText.h"
#include "core/ComposePassword.h"

namespace cli {

LengthCheck checkLength(const QString& lengthText) {
    LengthCheck check;
    try {
        check.length = core::PasswordLength(lengthText);
    } catch (const runtime::RuntimeError& error) {
        check.error = QCoreApplication::translate("keywright-cli", "invalid length \"%1\": %2")
                          .arg(lengthText, reason(error));
        return check;
    }
    if (check.length < 1)
        check.error =
            QCoreApplication::translate(
                "keywright-cli", "invalid length \"%1\": reads as %2, and a password needs at "
                                 "least 1 character")
                .arg(lengthText)
                .arg(check.length);
    return check;
}

} // namespace cli
