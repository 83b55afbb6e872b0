#include "ui/Form3.h"

#include <QCoreApplication>
#include <QStringList>

namespace korvo {

QString agreementText() {
    static const char* const paragraphs[] = {
        QT_TRANSLATE_NOOP("AgreementText", "KORVO END USER LICENCE AGREEMENT"),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "Please read this agreement carefully before you use Korvo. By ticking the box beside the "
            "sentence of acceptance below and pressing \"Continue\", you agree to be bound by all of its "
            "terms. If you do not agree, tick the box beside the sentence of refusal and press "
            "\"Continue\", or close this window; Korvo will then end without changing anything."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "1. What Korvo does. Korvo is a small utility that switches the IPv4 configuration of a network "
            "adapter of this computer between configurations that you store yourself: IP address, subnet "
            "mask, default gateway, DNS servers and WINS servers, or the use of DHCP. It makes these "
            "changes through the network configuration service of your operating system, with the rights "
            "of the account that runs it. Korvo does not check whether a configuration suits your network; "
            "it only checks that the addresses you typed are well formed."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "2. Licence. You may install and use Korvo on any number of computers that you own or are "
            "allowed to administer, and you may make copies of it for your own use and for backup. You may "
            "not sell Korvo, nor remove or alter this agreement or any notice of authorship that comes with "
            "it. All rights not expressly granted here are reserved by the authors."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "3. Your responsibility. Changing the address of a network adapter can interrupt every "
            "connection that uses it, including remote sessions, file transfers, printing and the "
            "connection through which you may be administering this computer. A wrong gateway or DNS "
            "server can make other computers or the internet unreachable, and an address already in use "
            "elsewhere can disturb other devices on the same network. You are solely responsible for the "
            "configurations you store and apply, for obtaining the permission of the owner or administrator "
            "of the network before you change the configuration of a computer connected to it, and for "
            "keeping a record of a working configuration to which you can return."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "4. Settings. Korvo keeps your configurations, the adapter chosen for each of them and the fact "
            "that you accepted this agreement in a plain text file named Korvo.ini in the folder of the "
            "program. The file is written only when you press \"Save Settings\" (and once when you accept "
            "this agreement). Anyone who can read that folder can read your configurations. Korvo sends "
            "nothing about you, your computer or your networks anywhere, and it keeps no log."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "5. No warranty. Korvo is provided \"as is\", without warranty of any kind, express or implied, "
            "including but not limited to the warranties of merchantability, fitness for a particular "
            "purpose, accuracy and non-infringement. The authors do not warrant that Korvo will work without "
            "interruption or error, that it will work with every network adapter, driver or version of the "
            "operating system, or that a configuration applied with it will take effect as expected."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "6. Limitation of liability. To the fullest extent permitted by the law that applies to you, in "
            "no event shall the authors or distributors of Korvo be liable for any direct, indirect, "
            "incidental, special, exemplary or consequential damages, including but not limited to loss of "
            "connectivity, loss of data, loss of business or profits, or the cost of substitute services, "
            "however caused and on any theory of liability, arising in any way out of the use of or "
            "inability to use Korvo, even if advised of the possibility of such damage."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "7. Other software and services. Korvo relies on the network configuration service, the "
            "drivers of your network adapters and the DHCP, DNS and WINS servers of your network. These are "
            "not part of Korvo and are governed by their own terms. The authors have no control over them "
            "and are not responsible for how they react to a configuration that Korvo passes on, nor for "
            "any change in their behaviour after an update of your operating system."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "8. Support and updates. The authors are under no obligation to provide support, maintenance, "
            "corrections or new versions of Korvo. Should a new version be made available, it may come "
            "with its own agreement, which then replaces this one for that version. Keep a copy of your "
            "settings file before you replace the program."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "9. Termination. This licence ends automatically if you fail to comply with any of its terms. "
            "You may end it at any time by deleting every copy of Korvo and its settings file. Sections 3, "
            "5 and 6 survive the end of the licence."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "10. General. This agreement is the entire agreement between you and the authors about Korvo. If "
            "any part of it is held to be unenforceable, that part shall be enforced to the extent possible "
            "and the remaining parts stay in full force. A failure to enforce any right under this "
            "agreement is not a waiver of that right."),

        QT_TRANSLATE_NOOP(
            "AgreementText",
            "By accepting, you confirm that you have read and understood this agreement, that you are "
            "entitled to change the network configuration of this computer, and that you accept all of the "
            "terms above."),
    };
    QStringList text;
    for (const char* paragraph : paragraphs)
        text << QCoreApplication::translate("AgreementText", paragraph);
    return text.join(QStringLiteral("\r\n"));
}

} // namespace korvo
