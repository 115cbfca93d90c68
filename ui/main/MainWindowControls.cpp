#include "ui/main/MainWindowControls.h"

#include "core/GenerationSettings.h"
#include "ui/main/SecretCopy.h"
#include "ui/widgets/CaptionedFrame.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/ProgramFont.h"
#include "ui/widgets/WebAddresses.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>

namespace ui {

void createMainWindowControls(QWidget& form, MainWindowControls& controls) {
    MainWindowControls& c = controls;
    c.Command1 = newAutoDefaultButton(
        &form, "Command1", QCoreApplication::translate("frmMain", "&Exit"),
        QCoreApplication::translate("frmMain", "Exit Norvik Password Generator"));
    c.tmrFadeOut = new QTimer(&form);
    c.tmrFadeOut->setObjectName(QStringLiteral("tmrFadeOut"));
    c.cmdAbout = newAutoDefaultButton(
        &form, "cmdAbout", QCoreApplication::translate("frmMain", "&About"),
        QCoreApplication::translate("frmMain", "About Norvik Password Generator"));

    c.txtGeneratedPwd = newTextBox(&form, "txtGeneratedPwd",
                                   QCoreApplication::translate("frmMain", "Generated Password"));
    c.txtGeneratedPwd->setReadOnly(true);
    c.txtGeneratedPwd->setAlignment(Qt::AlignCenter);
    // Letters and digits need no shaping; skipping it halves the cost of laying out and painting
    // a long password (text of scripts that need shaping is still shaped).
    QFont outputFont = programFont(9);
    outputFont.setStyleStrategy(QFont::PreferNoShaping);
    c.txtGeneratedPwd->setFont(outputFont);
    new SecretCopy(c.txtGeneratedPwd); // a copied password is marked as secret

    c.frPwdCase =
        new CaptionedFrame(QCoreApplication::translate("frmMain", "Password case"), &form);
    c.frPwdCase->setObjectName(QStringLiteral("frPwdCase"));
    c.optAlphaCases = newOptionGroup(c.frPwdCase, "optAlphaCases",
                                     {QCoreApplication::translate("frmMain", "Lower cases"),
                                      QCoreApplication::translate("frmMain", "Upper cases"),
                                      QCoreApplication::translate("frmMain", "Mixed cases")});

    c.txtprefix =
        newTextBox(&form, "txtprefix",
                   QCoreApplication::translate("frmMain", "Prefix of the password (Optional)"));
    c.txtSuffix =
        newTextBox(&form, "txtSuffix",
                   QCoreApplication::translate("frmMain", "Suffix of the password (Optional)"));
    c.optPwdTypes =
        newOptionGroup(&form, "optPwdTypes",
                       {QCoreApplication::translate("frmMain", "Alphabets only"),
                        QCoreApplication::translate("frmMain", "Numbers only"),
                        QCoreApplication::translate("frmMain", "Mixes of Alphabets and numbers")});
    c.txtPwdLong = newTextBox(&form, "txtPwdLong",
                              QCoreApplication::translate("frmMain", "Password length (Required)"));
    c.txtPwdLong->setText(QString::number(core::kDefaultLength));
    c.txtPwdLong->setAlignment(Qt::AlignCenter);
    c.txtMasks = newTextBox(
        &form, "txtMasks",
        QCoreApplication::translate("frmMain", "Format of the password. More help, see ") +
            helpPageAddress());

    c.cmdGenerate = newAutoDefaultButton(
        &form, "cmdGenerate", QCoreApplication::translate("frmMain", "&Generate"),
        QCoreApplication::translate("frmMain", "Generate a password"));
    c.cmdGenerate->setDefault(true);

    c.Label3 = new LinkLabel(QCoreApplication::translate("frmMain", "Clear"), &form);
    c.Label3->setObjectName(QStringLiteral("Label3"));
    c.Label3->setToolTip(
        QCoreApplication::translate("frmMain", "Clear generated password in the textbox"));
    c.lblURL = new LinkLabel(homePageAddress(), &form);
    c.lblURL->setObjectName(QStringLiteral("lblURL"));
    c.lblURL->setToolTip(homePageAddress());

    c.Label2 = newLabel(&form, "Label2",
                        QCoreApplication::translate(
                            "frmMain",
                            "Copyright \u00A9 2026 Norvik. Passwords are made on this computer and "
                            "never stored."));
    c.Label2->setFont(programFont(6.75));
    c.Label2->setWordWrap(true);
    c.Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.lblPrefix = newLabel(&form, "lblPrefix", QCoreApplication::translate("frmMain", "Prefix"));
    c.lblSuffix = newLabel(&form, "lblSuffix", QCoreApplication::translate("frmMain", "Suffix"));
    c.Label1 = newLabel(&form, "Label1", QCoreApplication::translate("frmMain", "Password Length"));
    c.lblMasks =
        newLabel(&form, "lblMasks", QCoreApplication::translate("frmMain", "Password Mask"));
}

} // namespace ui
