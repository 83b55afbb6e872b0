<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AdapterStates</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>static</source>
        <translation>statisch</translation>
    </message>
    <message>
        <source>unconfigured</source>
        <translation>nicht konfiguriert</translation>
    </message>
    <message>
        <source>%1: %2
Address: %3
Gateway: %4
DNS: %5</source>
        <translation>%1: %2
Adresse: %3
Gateway: %4
DNS: %5</translation>
    </message>
</context>
<context>
    <name>AddressValidation</name>
    <message>
        <source>A valid IP address is required</source>
        <translation>Eine gültige IP-Adresse ist erforderlich</translation>
    </message>
    <message>
        <source>A valid SubnetMask is required</source>
        <translation>Eine gültige Subnetzmaske ist erforderlich</translation>
    </message>
    <message>
        <source>A valid Gateway Address is required</source>
        <translation>Eine gültige Gateway-Adresse ist erforderlich</translation>
    </message>
    <message>
        <source>A valid Primary DNS address is required</source>
        <translation>Eine gültige primäre DNS-Adresse ist erforderlich</translation>
    </message>
    <message>
        <source>A valid Secondary DNS address is required or leave the box empty</source>
        <translation>Eine gültige sekundäre DNS-Adresse ist erforderlich, oder das Feld bleibt leer</translation>
    </message>
    <message>
        <source>A valid Primary WINS address is required or leave the box empty</source>
        <translation>Eine gültige primäre WINS-Adresse ist erforderlich, oder das Feld bleibt leer</translation>
    </message>
    <message>
        <source>A valid Secondary WINS address is required or leave the box empty</source>
        <translation>Eine gültige sekundäre WINS-Adresse ist erforderlich, oder das Feld bleibt leer</translation>
    </message>
    <message>
        <source>A valid further address is required, such as 192.0.2.21/24: %1</source>
        <translation>Eine gültige weitere Adresse ist erforderlich, etwa 192.0.2.21/24: %1</translation>
    </message>
</context>
<context>
    <name>AgreementText</name>
    <message>
        <source>KORVO END USER LICENCE AGREEMENT</source>
        <translation>KORVO-ENDBENUTZER-LIZENZVEREINBARUNG</translation>
    </message>
    <message>
        <source>Please read this agreement carefully before you use Korvo. By ticking the box beside the sentence of acceptance below and pressing &quot;Continue&quot;, you agree to be bound by all of its terms. If you do not agree, tick the box beside the sentence of refusal and press &quot;Continue&quot;, or close this window; Korvo will then end without changing anything.</source>
        <translation>Bitte lesen Sie diese Vereinbarung sorgfältig, bevor Sie Korvo verwenden. Indem Sie das Kästchen neben dem Satz der Zustimmung unten ankreuzen und „Weiter“ drücken, erklären Sie sich mit allen ihren Bedingungen einverstanden. Wenn Sie nicht einverstanden sind, kreuzen Sie das Kästchen neben dem Satz der Ablehnung an und drücken Sie „Weiter“, oder schließen Sie dieses Fenster; Korvo endet dann, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>1. What Korvo does. Korvo is a small utility that switches the IPv4 configuration of a network adapter of this computer between configurations that you store yourself: IP address, subnet mask, default gateway, DNS servers and WINS servers, or the use of DHCP. It makes these changes through the network configuration service of your operating system, with the rights of the account that runs it. Korvo does not check whether a configuration suits your network; it only checks that the addresses you typed are well formed.</source>
        <translation>1. Was Korvo tut. Korvo ist ein kleines Hilfsprogramm, das die IPv4-Konfiguration eines Netzwerkadapters dieses Computers zwischen Konfigurationen umschaltet, die Sie selbst speichern: IP-Adresse, Subnetzmaske, Standardgateway, DNS-Server und WINS-Server oder die Verwendung von DHCP. Es nimmt diese Änderungen über den Netzwerkkonfigurationsdienst Ihres Betriebssystems vor, mit den Rechten des Kontos, unter dem es läuft. Korvo prüft nicht, ob eine Konfiguration zu Ihrem Netzwerk passt; es prüft nur, ob die eingegebenen Adressen richtig aufgebaut sind.</translation>
    </message>
    <message>
        <source>2. Licence. You may install and use Korvo on any number of computers that you own or are allowed to administer, and you may make copies of it for your own use and for backup. You may not sell Korvo, nor remove or alter this agreement or any notice of authorship that comes with it. All rights not expressly granted here are reserved by the authors.</source>
        <translation>2. Lizenz. Sie dürfen Korvo auf beliebig vielen Computern installieren und verwenden, die Ihnen gehören oder die Sie verwalten dürfen, und Sie dürfen Kopien für den eigenen Gebrauch und zur Sicherung anfertigen. Sie dürfen Korvo nicht verkaufen und weder diese Vereinbarung noch einen mitgelieferten Hinweis auf die Urheberschaft entfernen oder verändern. Alle hier nicht ausdrücklich gewährten Rechte bleiben den Urhebern vorbehalten.</translation>
    </message>
    <message>
        <source>3. Your responsibility. Changing the address of a network adapter can interrupt every connection that uses it, including remote sessions, file transfers, printing and the connection through which you may be administering this computer. A wrong gateway or DNS server can make other computers or the internet unreachable, and an address already in use elsewhere can disturb other devices on the same network. You are solely responsible for the configurations you store and apply, for obtaining the permission of the owner or administrator of the network before you change the configuration of a computer connected to it, and for keeping a record of a working configuration to which you can return.</source>
        <translation>3. Ihre Verantwortung. Das Ändern der Adresse eines Netzwerkadapters kann jede Verbindung unterbrechen, die ihn nutzt, einschließlich Fernsitzungen, Dateiübertragungen, Druckaufträgen und der Verbindung, über die Sie diesen Computer womöglich verwalten. Ein falsches Gateway oder ein falscher DNS-Server kann andere Computer oder das Internet unerreichbar machen, und eine anderswo bereits verwendete Adresse kann andere Geräte im selben Netzwerk stören. Sie allein sind verantwortlich für die Konfigurationen, die Sie speichern und anwenden, dafür, die Erlaubnis des Eigentümers oder Administrators des Netzwerks einzuholen, bevor Sie die Konfiguration eines damit verbundenen Computers ändern, und dafür, eine funktionierende Konfiguration festzuhalten, zu der Sie zurückkehren können.</translation>
    </message>
    <message>
        <source>4. Settings. Korvo keeps your configurations, the adapter chosen for each of them and the fact that you accepted this agreement in a plain text file named Korvo.ini in the folder of the program. The file is written only when you press &quot;Save Settings&quot; (and once when you accept this agreement). Anyone who can read that folder can read your configurations. Korvo sends nothing about you, your computer or your networks anywhere, and it keeps no log.</source>
        <translation>4. Einstellungen. Korvo speichert Ihre Konfigurationen, den für jede gewählten Adapter und die Tatsache, dass Sie diese Vereinbarung akzeptiert haben, in einer Textdatei namens Korvo.ini im Ordner des Programms. Die Datei wird nur geschrieben, wenn Sie „Speichern“ drücken (und einmal, wenn Sie diese Vereinbarung akzeptieren). Wer diesen Ordner lesen kann, kann Ihre Konfigurationen lesen. Korvo sendet nichts über Sie, Ihren Computer oder Ihre Netzwerke irgendwohin und führt kein Protokoll.</translation>
    </message>
    <message>
        <source>5. No warranty. Korvo is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose, accuracy and non-infringement. The authors do not warrant that Korvo will work without interruption or error, that it will work with every network adapter, driver or version of the operating system, or that a configuration applied with it will take effect as expected.</source>
        <translation>5. Keine Gewährleistung. Korvo wird „wie besehen“ bereitgestellt, ohne jede ausdrückliche oder stillschweigende Gewährleistung, insbesondere ohne Gewähr für Marktgängigkeit, Eignung für einen bestimmten Zweck, Richtigkeit und Nichtverletzung von Rechten Dritter. Die Urheber sichern nicht zu, dass Korvo ohne Unterbrechung oder Fehler arbeitet, dass es mit jedem Netzwerkadapter, Treiber oder jeder Version des Betriebssystems funktioniert oder dass eine damit angewendete Konfiguration wie erwartet wirksam wird.</translation>
    </message>
    <message>
        <source>6. Limitation of liability. To the fullest extent permitted by the law that applies to you, in no event shall the authors or distributors of Korvo be liable for any direct, indirect, incidental, special, exemplary or consequential damages, including but not limited to loss of connectivity, loss of data, loss of business or profits, or the cost of substitute services, however caused and on any theory of liability, arising in any way out of the use of or inability to use Korvo, even if advised of the possibility of such damage.</source>
        <translation>6. Haftungsbeschränkung. Soweit es das für Sie geltende Recht zulässt, haften die Urheber oder Verbreiter von Korvo in keinem Fall für direkte, indirekte, beiläufige, besondere, exemplarische oder Folgeschäden, einschließlich, aber nicht beschränkt auf den Verlust der Verbindung, den Verlust von Daten, Geschäftsausfall oder entgangenen Gewinn oder die Kosten für Ersatzleistungen, gleich wie verursacht und auf welcher Haftungsgrundlage, die in irgendeiner Weise aus der Verwendung oder der Unmöglichkeit der Verwendung von Korvo entstehen, selbst wenn auf die Möglichkeit solcher Schäden hingewiesen wurde.</translation>
    </message>
    <message>
        <source>7. Other software and services. Korvo relies on the network configuration service, the drivers of your network adapters and the DHCP, DNS and WINS servers of your network. These are not part of Korvo and are governed by their own terms. The authors have no control over them and are not responsible for how they react to a configuration that Korvo passes on, nor for any change in their behaviour after an update of your operating system.</source>
        <translation>7. Andere Software und Dienste. Korvo ist auf den Netzwerkkonfigurationsdienst, die Treiber Ihrer Netzwerkadapter und die DHCP-, DNS- und WINS-Server Ihres Netzwerks angewiesen. Diese sind nicht Teil von Korvo und unterliegen eigenen Bedingungen. Die Urheber haben keinen Einfluss auf sie und sind weder dafür verantwortlich, wie sie auf eine von Korvo weitergegebene Konfiguration reagieren, noch für Änderungen ihres Verhaltens nach einer Aktualisierung Ihres Betriebssystems.</translation>
    </message>
    <message>
        <source>8. Support and updates. The authors are under no obligation to provide support, maintenance, corrections or new versions of Korvo. Should a new version be made available, it may come with its own agreement, which then replaces this one for that version. Keep a copy of your settings file before you replace the program.</source>
        <translation>8. Unterstützung und Aktualisierungen. Die Urheber sind nicht verpflichtet, Unterstützung, Wartung, Korrekturen oder neue Versionen von Korvo bereitzustellen. Wird eine neue Version verfügbar gemacht, kann sie eine eigene Vereinbarung mitbringen, die dann für diese Version an die Stelle dieser tritt. Bewahren Sie eine Kopie Ihrer Einstellungsdatei auf, bevor Sie das Programm ersetzen.</translation>
    </message>
    <message>
        <source>9. Termination. This licence ends automatically if you fail to comply with any of its terms. You may end it at any time by deleting every copy of Korvo and its settings file. Sections 3, 5 and 6 survive the end of the licence.</source>
        <translation>9. Beendigung. Diese Lizenz endet automatisch, wenn Sie eine ihrer Bedingungen nicht einhalten. Sie können sie jederzeit beenden, indem Sie jede Kopie von Korvo und seine Einstellungsdatei löschen. Die Abschnitte 3, 5 und 6 gelten über das Ende der Lizenz hinaus.</translation>
    </message>
    <message>
        <source>10. General. This agreement is the entire agreement between you and the authors about Korvo. If any part of it is held to be unenforceable, that part shall be enforced to the extent possible and the remaining parts stay in full force. A failure to enforce any right under this agreement is not a waiver of that right.</source>
        <translation>10. Allgemeines. Diese Vereinbarung ist die gesamte Vereinbarung zwischen Ihnen und den Urhebern über Korvo. Sollte ein Teil davon als nicht durchsetzbar gelten, wird dieser Teil so weit wie möglich durchgesetzt, und die übrigen Teile bleiben voll wirksam. Wird ein Recht aus dieser Vereinbarung nicht durchgesetzt, so ist dies kein Verzicht auf dieses Recht.</translation>
    </message>
    <message>
        <source>By accepting, you confirm that you have read and understood this agreement, that you are entitled to change the network configuration of this computer, and that you accept all of the terms above.</source>
        <translation>Mit Ihrer Zustimmung bestätigen Sie, dass Sie diese Vereinbarung gelesen und verstanden haben, dass Sie berechtigt sind, die Netzwerkkonfiguration dieses Computers zu ändern, und dass Sie alle obigen Bedingungen akzeptieren.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>start korvo%1 once and accept the terms of use, or run korvo --accept-terms%1</source>
        <translation>starten Sie einmal korvo%1 und akzeptieren Sie die Nutzungsbedingungen, oder führen Sie korvo --accept-terms%1 aus</translation>
    </message>
    <message>
        <source>no settings file at %1; to make one, %2</source>
        <translation>keine Einstellungsdatei unter %1; um eine anzulegen, %2</translation>
    </message>
    <message>
        <source>Error while reading the ini file, it may be corrupt. (%1)</source>
        <translation>Fehler beim Lesen der INI-Datei, sie ist möglicherweise beschädigt. (%1)</translation>
    </message>
    <message>
        <source>the terms of use are not accepted in %1: %2</source>
        <translation>die Nutzungsbedingungen sind in %1 nicht akzeptiert: %2</translation>
    </message>
    <message>
        <source>the network configuration service failed: %1</source>
        <translation>der Netzwerkkonfigurationsdienst ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Restored %1: %2
</source>
        <translation>%1 wiederhergestellt: %2
</translation>
    </message>
    <message>
        <source>%1 was not restored: it had %2 and has %3</source>
        <translation>%1 wurde nicht wiederhergestellt: es hatte %2 und hat %3</translation>
    </message>
    <message>
        <source>nothing Korvo can read</source>
        <translation>nichts, was Korvo lesen kann</translation>
    </message>
    <message>
        <source>the change could not be rolled back: %1</source>
        <translation>die Änderung konnte nicht zurückgenommen werden: %1</translation>
    </message>
    <message>
        <source>but a pending rollback covers %1: it will undo this change in %2 seconds, when %3 expires, unless that is kept first</source>
        <translation>aber eine ausstehende Rücknahme betrifft %1: sie macht diese Änderung in %2 Sekunden rückgängig, wenn %3 abläuft, sofern dieser nicht vorher bestätigt wird</translation>
    </message>
    <message>
        <source>but a pending rollback covers %1: it will undo this change if %2 is rolled back</source>
        <translation>aber eine ausstehende Rücknahme betrifft %1: sie macht diese Änderung rückgängig, wenn %2 zurückgenommen wird</translation>
    </message>
    <message>
        <source>no profile is numbered &quot;%1&quot; (1 to 7, or a button name)</source>
        <translation>kein Profil hat die Nummer „%1“ (1 bis 7 oder ein Schaltflächenname)</translation>
    </message>
    <message>
        <source>more than one profile is named &quot;%1&quot;: give its number</source>
        <translation>mehr als ein Profil heißt „%1“: geben Sie seine Nummer an</translation>
    </message>
    <message>
        <source>no profile is numbered or named &quot;%1&quot; (1 to 7, or a button name)</source>
        <translation>kein Profil hat die Nummer oder den Namen „%1“ (1 bis 7 oder ein Schaltflächenname)</translation>
    </message>
    <message>
        <source>Whoops: Please select an Interface first!!</source>
        <translation>Hoppla: Bitte wählen Sie zuerst eine Schnittstelle aus!!</translation>
    </message>
    <message>
        <source>nothing was changed: no way back could be prepared: %1</source>
        <translation>nichts wurde geändert: es konnte kein Rückweg vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>Keep this configuration? [y/N] </source>
        <translation>Diese Konfiguration behalten? [y/N] </translation>
    </message>
    <message>
        <source>no terminal to ask on: rolling back when the %1 seconds are up</source>
        <translation>kein Terminal für die Rückfrage: Rücknahme, wenn die %1 Sekunden um sind</translation>
    </message>
    <message>
        <source>the configuration could not be kept: %1</source>
        <translation>die Konfiguration konnte nicht behalten werden: %1</translation>
    </message>
    <message>
        <source>Kept.
</source>
        <translation>Behalten.
</translation>
    </message>
    <message>
        <source>stopped by %1: rolling back now</source>
        <translation>durch %1 angehalten: wird jetzt zurückgenommen</translation>
    </message>
    <message>
        <source>there is no set named &quot;%1&quot; (korvo --sets lists them)</source>
        <translation>es gibt keinen Profilsatz namens „%1“ (korvo --sets listet sie auf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no set&apos;s name: %2</source>
        <translation>„%1“ ist kein Name eines Profilsatzes: %2</translation>
    </message>
</context>
<context>
    <name>ProfileSets</name>
    <message>
        <source>&quot;%1&quot; could not be read</source>
        <translation>„%1“ konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; could not be created</source>
        <translation>der Ordner von „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>a set needs a name</source>
        <translation>ein Profilsatz braucht einen Namen</translation>
    </message>
    <message>
        <source>a set&apos;s name has at most %1 characters</source>
        <translation>der Name eines Profilsatzes hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot hold control characters</source>
        <translation>der Name eines Profilsatzes darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot hold any of / \ : * ? &quot; &lt; &gt; |</source>
        <translation>der Name eines Profilsatzes darf keines der Zeichen / \ : * ? &quot; &lt; &gt; | enthalten</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot begin with a dot</source>
        <translation>der Name eines Profilsatzes darf nicht mit einem Punkt beginnen</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot begin or end with a blank, or end with a dot</source>
        <translation>der Name eines Profilsatzes darf nicht mit einem Leerzeichen beginnen oder enden und nicht mit einem Punkt enden</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot end with &quot;.extra&quot;: that is the companion files&apos; ending</source>
        <translation>der Name eines Profilsatzes darf nicht auf „.extra“ enden: so enden die Begleitdateien</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device&apos;s name on Windows</source>
        <translation>„%1“ ist unter Windows der Name eines Geräts</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of the settings file Korvo always uses</source>
        <translation>„%1“ ist der Name der Einstellungsdatei, die Korvo immer verwendet</translation>
    </message>
    <message>
        <source>there is no set named &quot;%1&quot;</source>
        <translation>es gibt keinen Profilsatz namens „%1“</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be created</source>
        <translation>der Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the chosen set could not be remembered in &quot;%1&quot;</source>
        <translation>der gewählte Profilsatz konnte nicht in „%1“ vermerkt werden</translation>
    </message>
    <message>
        <source>there is already a set named &quot;%1&quot;</source>
        <translation>es gibt bereits einen Profilsatz namens „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way of the new set&apos;s companion file</source>
        <translation>„%1“ steht der Begleitdatei des neuen Profilsatzes im Weg</translation>
    </message>
    <message>
        <source>the set &quot;%1&quot; is the settings file Korvo always uses and keeps its name</source>
        <translation>der Profilsatz „%1“ ist die Einstellungsdatei, die Korvo immer verwendet, und behält seinen Namen</translation>
    </message>
    <message>
        <source>the set &quot;%1&quot; is the settings file Korvo always uses and cannot be deleted</source>
        <translation>der Profilsatz „%1“ ist die Einstellungsdatei, die Korvo immer verwendet, und kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>the set was deleted, its companion file &quot;%1&quot; not: %2</source>
        <translation>der Profilsatz wurde gelöscht, seine Begleitdatei „%1“ nicht: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file of %2 lines</source>
        <translation>„%1“ ist keine Einstellungsdatei mit %2 Zeilen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the set&apos;s own file</source>
        <translation>„%1“ ist die eigene Datei des Profilsatzes</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>The address was</source>
        <translation>Die Adresse wurde</translation>
    </message>
    <message>
        <source>DHCP was</source>
        <translation>DHCP wurde</translation>
    </message>
    <message>
        <source>The change was</source>
        <translation>Die Änderung wurde</translation>
    </message>
    <message>
        <source>The network configuration service failed: %1</source>
        <translation>Der Netzwerkkonfigurationsdienst ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The network interface -%1- %2.</source>
        <translation>Die Netzwerkschnittstelle -%1- %2.</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The IP configuration for the following interface has been changed </source>
        <translation>Die IP-Konfiguration der folgenden Schnittstelle wurde geändert </translation>
    </message>
    <message>
        <source>The adapter&apos;s address was changed, but the network service refused some settings.</source>
        <translation>Die Adresse des Adapters wurde geändert, aber der Netzwerkdienst hat einige Einstellungen abgelehnt.</translation>
    </message>
    <message>
        <source>The new settings were saved for the adapter, but they are not in effect yet: they take effect the next time it is connected.</source>
        <translation>Die neuen Einstellungen wurden für den Adapter gespeichert, sind aber noch nicht wirksam: Sie gelten, sobald er das nächste Mal verbunden wird.</translation>
    </message>
    <message>
        <source>Please Check these details and fix the problem</source>
        <translation>Bitte prüfen Sie diese Angaben und beheben Sie das Problem</translation>
    </message>
    <message>
        <source>There has been an error and the IP settings could not be changed.</source>
        <translation>Es ist ein Fehler aufgetreten, die IP-Einstellungen konnten nicht geändert werden.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway   </source>
        <translation>Standardgateway</translation>
    </message>
    <message>
        <source>Primary DNS </source>
        <translation>Primärer DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundärer DNS</translation>
    </message>
    <message>
        <source>Primary WINS </source>
        <translation>Primärer WINS</translation>
    </message>
    <message>
        <source>Secondary WINS</source>
        <translation>Sekundärer WINS</translation>
    </message>
    <message>
        <source>Configuration Applied</source>
        <translation>Konfiguration angewendet</translation>
    </message>
    <message>
        <source>Configuration Error!</source>
        <translation>Konfigurationsfehler!</translation>
    </message>
    <message>
        <source>Error Applying Configuration</source>
        <translation>Fehler beim Anwenden der Konfiguration</translation>
    </message>
    <message>
        <source>%1 refused (%2).</source>
        <translation>%1 abgelehnt (%2).</translation>
    </message>
    <message>
        <source>The gateway was</source>
        <translation>Das Gateway wurde</translation>
    </message>
    <message>
        <source>The WINS servers were</source>
        <translation>Die WINS-Server wurden</translation>
    </message>
    <message>
        <source>The DNS servers were</source>
        <translation>Die DNS-Server wurden</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nicht gesetzt</translation>
    </message>
    <message>
        <source>%1 not set: this platform has none.</source>
        <translation>%1 nicht gesetzt: diese Plattform kennt sie nicht.</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Restart the computer to complete the change.</source>
        <translation>Starten Sie den Computer neu, um die Änderung abzuschließen.</translation>
    </message>
    <message>
        <source>The adapter&apos;s cable is not connected: the values are saved and take effect when the cable is connected.</source>
        <translation>Das Kabel des Adapters ist nicht angeschlossen: Die Werte sind gespeichert und gelten, sobald das Kabel angeschlossen ist.</translation>
    </message>
    <message>
        <source>The network configuration service failed before the rest was set: %1</source>
        <translation>Der Netzwerkkonfigurationsdienst ist fehlgeschlagen, bevor der Rest gesetzt war: %1</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignoriert</translation>
    </message>
    <message>
        <source>not supported on this platform</source>
        <translation>auf dieser Plattform nicht unterstützt</translation>
    </message>
    <message>
        <source>the service failed</source>
        <translation>der Dienst ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>invalid subnet mask</source>
        <translation>ungültige Subnetzmaske</translation>
    </message>
    <message>
        <source>invalid IP address</source>
        <translation>ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>invalid gateway</source>
        <translation>ungültiges Gateway</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>Changing the network needs administrator rights.</source>
        <translation>Zum Ändern des Netzwerks sind Administratorrechte nötig.</translation>
    </message>
    <message>
        <source>Changing the network needs more rights than this account has.</source>
        <translation>Zum Ändern des Netzwerks sind mehr Rechte nötig, als dieses Konto hat.</translation>
    </message>
    <message>
        <source>There has been an error, and it is not known whether the IP settings were changed.</source>
        <translation>Es ist ein Fehler aufgetreten, und es ist nicht bekannt, ob die IP-Einstellungen geändert wurden.</translation>
    </message>
    <message>
        <source>The adapter could not be read back: %1</source>
        <translation>Der Adapter konnte nicht zurückgelesen werden: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: %2 asked, %3 in effect.</source>
        <translation>%1: %2 verlangt, %3 wirksam.</translation>
    </message>
    <message>
        <source>The adapter does not have all the settings asked for: the values shown are in effect.</source>
        <translation>Der Adapter hat nicht alle verlangten Einstellungen: Die angezeigten Werte sind wirksam.</translation>
    </message>
    <message>
        <source>The gateway %1 answers.</source>
        <translation>Das Gateway %1 antwortet.</translation>
    </message>
    <message>
        <source>The gateway %1 does not answer.</source>
        <translation>Das Gateway %1 antwortet nicht.</translation>
    </message>
    <message>
        <source>%1 is in use already: the host %2 answered for it on -%3-. Nothing was changed.</source>
        <translation>%1 ist bereits vergeben: Der Rechner %2 hat an -%3- dafür geantwortet. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Whether %1 was free on the network was not checked: %2.</source>
        <translation>Ob %1 im Netzwerk frei war, wurde nicht geprüft: %2.</translation>
    </message>
    <message>
        <source>The way back prepared before the change could not be given up, so it may undo the change: %1</source>
        <translation>Der vor der Änderung vorbereitete Rückweg konnte nicht aufgegeben werden und macht die Änderung womöglich rückgängig: %1</translation>
    </message>
    <message>
        <source>The IP settings were not changed.</source>
        <translation>Die IP-Einstellungen wurden nicht geändert.</translation>
    </message>
    <message>
        <source>Configuration Not Applied</source>
        <translation>Konfiguration nicht angewendet</translation>
    </message>
    <message>
        <source>no network configuration service is available on this system</source>
        <translation>auf diesem System ist kein Netzwerkkonfigurationsdienst verfügbar</translation>
    </message>
    <message>
        <source>the service gave no connection</source>
        <translation>der Dienst hat keine Verbindung geliefert</translation>
    </message>
    <message>
        <source>%1, now named %2</source>
        <translation>%1, jetzt %2 genannt</translation>
    </message>
    <message>
        <source>-%1-, now named -%2-, was found by its hardware address %3.</source>
        <translation>-%1-, jetzt -%2- genannt, wurde an seiner Hardware-Adresse %3 erkannt.</translation>
    </message>
    <message>
        <source>More addresses: %1 asked, %2 in effect.</source>
        <translation>Weitere Adressen: %1 verlangt, %2 wirksam.</translation>
    </message>
    <message>
        <source>More addresses: %1</source>
        <translation>Weitere Adressen: %1</translation>
    </message>
    <message>
        <source>not available on this platform</source>
        <translation>auf dieser Plattform nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Rollback</name>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>die Adresse</translation>
    </message>
    <message>
        <source>the gateway</source>
        <translation>das Gateway</translation>
    </message>
    <message>
        <source>the DNS servers</source>
        <translation>die DNS-Server</translation>
    </message>
    <message>
        <source>the change</source>
        <translation>die Änderung</translation>
    </message>
    <message>
        <source>%1: %2 was refused (%3)</source>
        <translation>%1: %2 wurde abgelehnt (%3)</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>Gateway %1</translation>
    </message>
    <message>
        <source>The previous settings could not be put back: %1</source>
        <translation>Die vorherigen Einstellungen konnten nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>The gateway %1 did not answer after the change, so the previous settings were put back.</source>
        <translation>Das Gateway %1 hat nach der Änderung nicht geantwortet, daher wurden die vorherigen Einstellungen wiederhergestellt.</translation>
    </message>
    <message>
        <source>Restored %1: %2</source>
        <translation>%1 wiederhergestellt: %2</translation>
    </message>
    <message>
        <source>%1 was not restored: it had %2 and has %3</source>
        <translation>%1 wurde nicht wiederhergestellt: es hatte %2 und hat %3</translation>
    </message>
    <message>
        <source>nothing Korvo can read</source>
        <translation>nichts, was Korvo lesen kann</translation>
    </message>
    <message>
        <source>the service does not say what %1 has now, so it could not be put back</source>
        <translation>der Dienst gibt nicht an, was %1 jetzt hat, daher ließe es sich nicht zurücksetzen</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>&quot;%1&quot; is a symbolic link owned by another user (uid %2), and Korvo running as root does not write through it</source>
        <translation>„%1“ ist eine symbolische Verknüpfung eines anderen Benutzers (UID %2), und Korvo schreibt als root nicht durch sie hindurch</translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; could not be followed</source>
        <translation>der symbolischen Verknüpfung „%1“ konnte nicht gefolgt werden</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>; the previous settings could not be put back either: %1</source>
        <translation>; die vorherigen Einstellungen konnten auch nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>sie konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not a settings file of %1 lines (it may be corrupt) and was left as it is</source>
        <translation>sie ist keine Einstellungsdatei mit %1 Zeilen (sie ist möglicherweise beschädigt) und wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; contains a line break or a NUL character</source>
        <translation>der Wert „%1“ enthält einen Zeilenumbruch oder ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>a value contains characters that cannot be stored</source>
        <translation>ein Wert enthält Zeichen, die nicht gespeichert werden können</translation>
    </message>
    <message>
        <source>the settings are larger than %1 KiB</source>
        <translation>die Einstellungen sind größer als %1 KiB</translation>
    </message>
    <message>
        <source>its folder may not be written to, and no copy of it could be kept first in &quot;%1&quot; (%2), without which a save cut short would empty it</source>
        <translation>in ihren Ordner darf nicht geschrieben werden, und zuvor ließ sich keine Kopie von ihr in „%1“ ablegen (%2), ohne die ein abgebrochenes Speichern sie leeren würde</translation>
    </message>
    <message>
        <source>no data folder</source>
        <translation>kein Datenordner</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie ist zu groß</translation>
    </message>
    <message>
        <source>it is not written in UTF-8</source>
        <translation>sie ist nicht in UTF-8 geschrieben</translation>
    </message>
</context>
<context>
    <name>StopDuringApply</name>
    <message>
        <source>korvo: stopped by %1 while the change is under way; waiting for the network service&apos;s answer (at most %2 s) before ending.</source>
        <translation>korvo: durch %1 gestoppt, während die Änderung läuft; Korvo wartet vor dem Beenden auf die Antwort des Netzwerkdienstes (höchstens %2 s).</translation>
    </message>
    <message>
        <source>korvo: the network service did not answer within %1 s; ending without its answer.</source>
        <translation>korvo: Der Netzwerkdienst hat nicht innerhalb von %1 s geantwortet; Korvo endet ohne seine Antwort.</translation>
    </message>
    <message>
        <source>The change may be only partly made: the adapter&apos;s saved settings and those in effect can differ until a profile is applied again.</source>
        <translation>Die Änderung ist womöglich nur teilweise vorgenommen: Die gespeicherten und die wirksamen Einstellungen des Adapters können sich unterscheiden, bis wieder ein Profil angewendet wird.</translation>
    </message>
</context>
<context>
    <name>korvo::AdapterStates</name>
    <message>
        <source>Click this button to use these settings</source>
        <translation>Klicken Sie hier, um diese Einstellungen zu verwenden</translation>
    </message>
    <message>
        <source>%1
In effect on %2</source>
        <translation>%1
Aktiv auf %2</translation>
    </message>
    <message>
        <source>Applies %1; no adapter is chosen for it.</source>
        <translation>Wendet %1 an; dafür ist kein Adapter gewählt.</translation>
    </message>
    <message>
        <source>Applies %1 to %2. In effect now.</source>
        <translation>Wendet %1 auf %2 an. Jetzt wirksam.</translation>
    </message>
    <message>
        <source>Applies %1 to %2.</source>
        <translation>Wendet %1 auf %2 an.</translation>
    </message>
    <message>
        <source>%1: not there now
Unplugged, switched off or renamed.
Profiles that use it keep it.</source>
        <translation>%1: jetzt nicht vorhanden
Abgezogen, ausgeschaltet oder umbenannt.
Profile, die diesen Adapter verwenden, behalten ihn.</translation>
    </message>
</context>
<context>
    <name>korvo::ApplyRun</name>
    <message>
        <source>Korvo: asked to end (%1) while a change to the network is under way; waiting for the network service&apos;s answer (at most %2 s) before ending.</source>
        <translation>Korvo: Beenden angefordert (%1), während eine Änderung am Netzwerk läuft; Korvo wartet vor dem Beenden auf die Antwort des Netzwerkdienstes (höchstens %2 s).</translation>
    </message>
    <message>
        <source>Korvo: the network service did not answer within %1 s; ending without its answer.</source>
        <translation>Korvo: Der Netzwerkdienst hat nicht innerhalb von %1 s geantwortet; Korvo endet ohne seine Antwort.</translation>
    </message>
    <message>
        <source>The change may be only partly made: the adapter&apos;s saved settings and those in effect can differ until a profile is applied again.</source>
        <translation>Die Änderung ist womöglich nur teilweise vorgenommen: Die gespeicherten und die wirksamen Einstellungen des Adapters können sich unterscheiden, bis wieder ein Profil angewendet wird.</translation>
    </message>
    <message>
        <source>Korvo: the apply under way has finished; ending now. The outcome:</source>
        <translation>Korvo: Das laufende Anwenden ist abgeschlossen; Korvo endet jetzt. Das Ergebnis:</translation>
    </message>
</context>
<context>
    <name>korvo::Form1</name>
    <message>
        <source>Korvo  Version %1</source>
        <translation>Korvo  Version %1</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Revision %1</translation>
    </message>
    <message>
        <source>EULA accepted</source>
        <translation>EULA akzeptiert</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Korvo read it. Overwrite it?</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit Korvo die Datei gelesen hat. Überschreiben?</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>ihr Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Hoppla</translation>
    </message>
    <message>
        <source>Please select an Interface first!!</source>
        <translation>Bitte wählen Sie zuerst eine Schnittstelle aus!!</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>the window&apos;s close box</source>
        <translation>das Schließfeld des Fensters</translation>
    </message>
    <message>
        <source>the tray&apos;s Exit</source>
        <translation>„Beenden“ im Infobereich</translation>
    </message>
    <message>
        <source>The profile set &quot;%1&quot; has changes that are not saved. Save them first?

No keeps them in the window and does nothing else.</source>
        <translation>Der Profilsatz „%1“ hat Änderungen, die nicht gespeichert sind. Zuerst speichern?

Nein behält sie im Fenster und tut sonst nichts.</translation>
    </message>
    <message>
        <source>the more addresses and hardware addresses could not be written to %1: %2</source>
        <translation>die weiteren Adressen und Hardware-Adressen konnten nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>A pending rollback covers %1: it will undo this change in %2 seconds, when %3 expires, unless that is kept first.</source>
        <translation>Eine ausstehende Rücknahme betrifft %1: Sie macht diese Änderung in %2 Sekunden rückgängig, wenn %3 abläuft, sofern dieser nicht vorher bestätigt wird.</translation>
    </message>
    <message>
        <source>A pending rollback covers %1: it will undo this change if %2 is rolled back.</source>
        <translation>Eine ausstehende Rücknahme betrifft %1: Sie macht diese Änderung rückgängig, wenn %2 zurückgenommen wird.</translation>
    </message>
    <message>
        <source>These settings are kept.</source>
        <translation>Diese Einstellungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>These settings could not be kept: %1</source>
        <translation>Diese Einstellungen konnten nicht beibehalten werden: %1</translation>
    </message>
</context>
<context>
    <name>korvo::Form3</name>
    <message>
        <source>Korvo EULA</source>
        <translation>Korvo-Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>I have read, understood and fully accept all of the terms and conditions in this End User Licence Agreement.</source>
        <translation>Ich habe alle Bedingungen dieser Endbenutzer-Lizenzvereinbarung gelesen, verstanden und akzeptiere sie vollständig.</translation>
    </message>
    <message>
        <source>I do not wish to use this utility and would like to exit now.</source>
        <translation>Ich möchte dieses Programm nicht verwenden und es jetzt beenden.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>korvo::Form4</name>
    <message>
        <source>Applying Configuration</source>
        <translation>Konfiguration wird angewendet</translation>
    </message>
    <message>
        <source>Please wait a moment...</source>
        <translation>Bitte einen Moment warten...</translation>
    </message>
    <message>
        <source>This configuration is being applied.</source>
        <translation>Diese Konfiguration wird angewendet.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>Einstellungen behalten</translation>
    </message>
    <message>
        <source>The gateway answered before the change and does not answer now. Unless you keep these settings, the previous ones come back in %1 s.</source>
        <translation>Das Gateway hat vor der Änderung geantwortet und antwortet jetzt nicht. Wenn Sie diese Einstellungen nicht behalten, kehren in %1 s die vorherigen zurück.</translation>
    </message>
</context>
<context>
    <name>korvo::HelpPage</name>
    <message>
        <source>Korvo Help</source>
        <translation>Korvo-Hilfe</translation>
    </message>
    <message>
        <source>The help file &quot;KorvoHelp.chm&quot; was not found in %1.</source>
        <translation>Die Hilfedatei „KorvoHelp.chm“ wurde in %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>No program on this computer could open the help file %1.</source>
        <translation>Kein Programm auf diesem Computer konnte die Hilfedatei %1 öffnen.</translation>
    </message>
</context>
<context>
    <name>korvo::MoreAddressesBox</name>
    <message>
        <source>Static addresses kept beside the DHCP lease, each with its prefix length, separated by blanks: %1</source>
        <translation>Statische Adressen neben der DHCP-Zuweisung, jede mit ihrer Präfixlänge, durch Leerzeichen getrennt: %1</translation>
    </message>
    <message>
        <source>Addresses given after the IP address, each with its prefix length, separated by blanks: %1</source>
        <translation>Adressen, die nach der IP-Adresse vergeben werden, jede mit ihrer Präfixlänge, durch Leerzeichen getrennt: %1</translation>
    </message>
    <message>
        <source>More addresses</source>
        <translation>Weitere Adressen</translation>
    </message>
</context>
<context>
    <name>korvo::NetworkManager</name>
    <message>
        <source>is not managed by NetworkManager</source>
        <translation>wird nicht von NetworkManager verwaltet</translation>
    </message>
    <message>
        <source>NetworkManager is not running.</source>
        <translation>NetworkManager läuft nicht.</translation>
    </message>
    <message>
        <source>NetworkManager refused permission.</source>
        <translation>NetworkManager hat die Berechtigung verweigert.</translation>
    </message>
    <message>
        <source>The connection to the system bus was lost.</source>
        <translation>Die Verbindung zum Systembus ist abgerissen.</translation>
    </message>
    <message>
        <source>The network device or its profile no longer exists.</source>
        <translation>Das Netzwerkgerät oder sein Profil existiert nicht mehr.</translation>
    </message>
    <message>
        <source>NetworkManager could not activate the adapter with them.</source>
        <translation>NetworkManager konnte den Adapter damit nicht aktivieren.</translation>
    </message>
    <message>
        <source>Changing the network needs root or NetworkManager&apos;s polkit permission %1; an administrator can grant it with a polkit rule, for example by copying /usr/share/korvo/polkit/50-korvo.rules to /etc/polkit-1/rules.d/ and adding you to the group it names.</source>
        <translation>Zum Ändern des Netzwerks sind root-Rechte oder die polkit-Berechtigung %1 von NetworkManager nötig; ein Administrator kann sie mit einer polkit-Regel erteilen, zum Beispiel indem er /usr/share/korvo/polkit/50-korvo.rules nach /etc/polkit-1/rules.d/ kopiert und Sie der darin genannten Gruppe hinzufügt.</translation>
    </message>
    <message>
        <source>NetworkManager did not answer in time.</source>
        <translation>NetworkManager hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>NetworkManager went away before it answered: it stopped or crashed.</source>
        <translation>NetworkManager ist verschwunden, bevor er geantwortet hat: Er wurde beendet oder ist abgestürzt.</translation>
    </message>
    <message>
        <source>NetworkManager was still waiting for authorization (a password prompt, for one) when Korvo stopped waiting; answering a prompt that is still open would make the change after all.</source>
        <translation>NetworkManager wartete noch auf eine Autorisierung (etwa eine Passwortabfrage), als Korvo aufgehört hat zu warten; wer eine noch offene Abfrage beantwortet, nimmt die Änderung doch noch vor.</translation>
    </message>
    <message>
        <source>Nobody answered the password prompt in time; Korvo has withdrawn it.</source>
        <translation>Niemand hat die Passwortabfrage rechtzeitig beantwortet; Korvo hat sie zurückgezogen.</translation>
    </message>
    <message>
        <source>The adapter&apos;s cable is not connected, and its profile does not connect by itself: connect it once the cable is plugged in.</source>
        <translation>Das Kabel des Adapters ist nicht angeschlossen, und sein Profil verbindet sich nicht von selbst: Verbinden Sie ihn, sobald das Kabel eingesteckt ist.</translation>
    </message>
    <message>
        <source>Korvo does not see the adapter %1 where it runs</source>
        <translation>Korvo sieht den Adapter %1 dort nicht, wo es läuft</translation>
    </message>
    <message>
        <source>the kernel&apos;s neighbour table could not be read</source>
        <translation>die Nachbartabelle des Kernels konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>arping is not installed</source>
        <translation>arping ist nicht installiert</translation>
    </message>
    <message>
        <source>arping could not be started</source>
        <translation>arping konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>arping failed</source>
        <translation>arping ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 is not an IPv4 address</source>
        <translation>%1 ist keine IPv4-Adresse</translation>
    </message>
    <message>
        <source>the adapter&apos;s cable is not connected</source>
        <translation>das Kabel des Adapters ist nicht angeschlossen</translation>
    </message>
    <message>
        <source>its time was up: NetworkManager had already rolled it back</source>
        <translation>ihre Zeit war abgelaufen: NetworkManager hatte sie bereits zurückgenommen</translation>
    </message>
    <message>
        <source>NetworkManager could not restore %1</source>
        <translation>NetworkManager konnte %1 nicht wiederherstellen</translation>
    </message>
    <message>
        <source>NetworkManager refused %1: permission denied</source>
        <translation>NetworkManager hat %1 abgelehnt: Berechtigung verweigert</translation>
    </message>
    <message>
        <source>NetworkManager refused %1</source>
        <translation>NetworkManager hat %1 abgelehnt</translation>
    </message>
    <message>
        <source>NetworkManager published no manager object</source>
        <translation>NetworkManager hat kein Manager-Objekt veröffentlicht</translation>
    </message>
    <message>
        <source>the adapter is not one of NetworkManager&apos;s</source>
        <translation>der Adapter gehört nicht zu NetworkManager</translation>
    </message>
    <message>
        <source>a checkpoint needs at least one adapter</source>
        <translation>ein Prüfpunkt braucht mindestens einen Adapter</translation>
    </message>
    <message>
        <source>NetworkManager refused CheckpointCreate%1 (%2: %3)</source>
        <translation>NetworkManager hat CheckpointCreate abgelehnt%1 (%2: %3)</translation>
    </message>
    <message>
        <source>: permission denied; a checkpoint needs root or NetworkManager&apos;s polkit permission org.freedesktop.NetworkManager.checkpoint-rollback, which Korvo&apos;s example polkit rule grants</source>
        <translation>: Berechtigung verweigert; ein Prüfpunkt braucht root-Rechte oder die polkit-Berechtigung org.freedesktop.NetworkManager.checkpoint-rollback von NetworkManager, die Korvos Beispielregel für polkit erteilt</translation>
    </message>
    <message>
        <source>cannot connect to the system bus: %1</source>
        <translation>keine Verbindung zum Systembus möglich: %1</translation>
    </message>
    <message>
        <source>NetworkManager refused %1: %2</source>
        <translation>NetworkManager hat %1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>Putting them into effect was refused: %1</source>
        <translation>Das Inkraftsetzen wurde abgelehnt: %1</translation>
    </message>
    <message>
        <source>%1&apos;s saved profile was put back as it was before the apply.</source>
        <translation>Das gespeicherte Profil von %1 wurde auf den Stand vor dem Anwenden zurückgesetzt.</translation>
    </message>
    <message>
        <source>NetworkManager saved the new settings in %1&apos;s profile but has not put them into effect, nor answered Korvo&apos;s request to put the profile back: until it does, %1 keeps its previous settings while its profile holds the new ones, which its next connection brings. Applying a profile again sets both.</source>
        <translation>NetworkManager hat die neuen Einstellungen im Profil von %1 gespeichert, sie aber nicht wirksam gemacht und auch Korvos Bitte, das Profil zurückzusetzen, nicht beantwortet: Bis dahin behält %1 seine bisherigen Einstellungen, während sein Profil die neuen enthält, die seine nächste Verbindung bringt. Ein erneut angewendetes Profil setzt beide.</translation>
    </message>
    <message>
        <source>NetworkManager has not answered the saving of %1&apos;s new settings: Korvo has asked it to keep the profile as it was, and could not see that done.</source>
        <translation>NetworkManager hat das Speichern der neuen Einstellungen von %1 nicht beantwortet: Korvo hat es gebeten, das Profil zu belassen, wie es war, und konnte nicht sehen, dass es geschah.</translation>
    </message>
    <message>
        <source>%1&apos;s saved profile could not be put back: %2</source>
        <translation>Das gespeicherte Profil von %1 konnte nicht zurückgesetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>korvo::ProfileTab</name>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS-Primary</source>
        <translation>DNS primär</translation>
    </message>
    <message>
        <source>DNS-Secondary</source>
        <translation>DNS sekundär</translation>
    </message>
    <message>
        <source>WINS-Primary</source>
        <translation>WINS primär</translation>
    </message>
    <message>
        <source>WINS-Secondary</source>
        <translation>WINS sekundär</translation>
    </message>
    <message>
        <source>Select a Network Interface</source>
        <translation>Netzwerkschnittstelle auswählen</translation>
    </message>
    <message>
        <source>Button Name</source>
        <translation>Schaltflächenname</translation>
    </message>
    <message>
        <source>DNS via DHCP</source>
        <translation>DNS per DHCP</translation>
    </message>
    <message>
        <source>WINS via DHCP</source>
        <translation>WINS per DHCP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>tab caption, heading of a box</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Use this adapter&apos;s current settings</source>
        <translation>Aktuelle Einstellungen dieses Adapters übernehmen</translation>
    </message>
    <message>
        <source>Korvo does not know this adapter&apos;s current settings: it is not listed now, or the network service has not answered.</source>
        <translation>Korvo kennt die aktuellen Einstellungen dieses Adapters nicht: Er ist gerade nicht aufgeführt, oder der Netzwerkdienst hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>This adapter has no IPv4 address now.</source>
        <translation>Dieser Adapter hat zurzeit keine IPv4-Adresse.</translation>
    </message>
</context>
<context>
    <name>korvo::SetChooser</name>
    <message>
        <source>Set:</source>
        <translation>Satz:</translation>
    </message>
    <message>
        <source>Profile set</source>
        <translation>Profilsatz</translation>
    </message>
    <message>
        <source>The profile set shown and applied: each set is a settings file of its own</source>
        <translation>Der angezeigte und angewendete Profilsatz: Jeder Satz ist eine eigene Einstellungsdatei</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Manage profile sets</source>
        <translation>Profilsätze verwalten</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Neu…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Duplicate…</source>
        <translation>Duplizieren…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Name des Profilsatzes:</translation>
    </message>
    <message>
        <source>The set chosen could not be remembered for the next start: %1</source>
        <translation>Der gewählte Profilsatz konnte für den nächsten Start nicht vermerkt werden: %1</translation>
    </message>
    <message>
        <source>New profile set</source>
        <translation>Neuer Profilsatz</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>Der Profilsatz konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Rename profile set</source>
        <translation>Profilsatz umbenennen</translation>
    </message>
    <message>
        <source>The set could not be renamed: %1</source>
        <translation>Der Profilsatz konnte nicht umbenannt werden: %1</translation>
    </message>
    <message>
        <source>Duplicate profile set</source>
        <translation>Profilsatz duplizieren</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 Kopie</translation>
    </message>
    <message>
        <source>The set could not be duplicated: %1</source>
        <translation>Der Profilsatz konnte nicht dupliziert werden: %1</translation>
    </message>
    <message>
        <source>Delete the profile set &quot;%1&quot; with all its profiles? This cannot be undone.</source>
        <translation>Den Profilsatz „%1“ mit allen seinen Profilen löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The set could not be deleted: %1</source>
        <translation>Der Profilsatz konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>Import a profile set</source>
        <translation>Profilsatz importieren</translation>
    </message>
    <message>
        <source>Korvo settings (*.ini);;All files (*)</source>
        <translation>Korvo-Einstellungen (*.ini);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The set could not be imported: %1</source>
        <translation>Der Profilsatz konnte nicht importiert werden: %1</translation>
    </message>
    <message>
        <source>Export the profile set &quot;%1&quot;</source>
        <translation>Profilsatz „%1“ exportieren</translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Der Profilsatz konnte nicht exportiert werden: %1</translation>
    </message>
</context>
<context>
    <name>korvo::StartUp</name>
    <message>
        <source>Woops</source>
        <translation>Hoppla</translation>
    </message>
    <message>
        <source>Error while reading the ini file, it may be corrupt.</source>
        <translation>Fehler beim Lesen der INI-Datei, sie ist möglicherweise beschädigt.</translation>
    </message>
</context>
<context>
    <name>korvo::Tray</name>
    <message>
        <source>Show Korvo</source>
        <translation>Korvo anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>%1 by DHCP</source>
        <comment>addresses</comment>
        <translation>%1 per DHCP</translation>
    </message>
    <message>
        <source>%1: %2, no profile in effect</source>
        <comment>adapter, addresses</comment>
        <translation>%1: %2, kein Profil aktiv</translation>
    </message>
    <message>
        <source>%1: %2, in effect: %3</source>
        <comment>adapter, addresses, profiles</comment>
        <translation>%1: %2, aktiv: %3</translation>
    </message>
    <message>
        <source>Profile set</source>
        <translation>Profilsatz</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The terms could not be accepted in &quot;%1&quot;: %2</source>
        <translation>Die Bedingungen konnten in „%1“ nicht akzeptiert werden: %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>korvo: the window could not be loaded: %1</source>
        <translation>korvo: Das Fenster konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>korvo: %1 (korvo --help lists the options)</source>
        <translation>korvo: %1 (korvo --help zeigt die Optionen)</translation>
    </message>
    <message>
        <source>Read and save the settings in FILE instead of Korvo.ini in the usual place.</source>
        <translation>Die Einstellungen aus DATEI lesen und dorthin speichern, statt aus Korvo.ini am üblichen Ort.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Accept the terms of use and save the settings file without showing a window, print its path and end.</source>
        <translation>Die Nutzungsbedingungen ohne Fenster akzeptieren, die Einstellungsdatei speichern, ihren Pfad ausgeben und enden.</translation>
    </message>
    <message>
        <source>Print the seven profiles as their buttons apply them, one per line (number, button name, adapter, the seven addresses), tab-separated.</source>
        <translation>Die sieben Profile so ausgeben, wie ihre Schaltflächen sie anwenden, eines pro Zeile (Nummer, Schaltflächenname, Adapter, die sieben Adressen), durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Print the adapters and their current IPv4 settings.</source>
        <translation>Die Adapter und ihre aktuellen IPv4-Einstellungen ausgeben.</translation>
    </message>
    <message>
        <source>Apply a profile as its button does: a number 1 to 7 (7 is DHCP) or a button name. Exit status: 0 applied, 1 invalid values, no adapter chosen or no usable settings file, 2 the service refused or failed, 3 rolled back, 64 usage error.</source>
        <translation>Ein Profil so anwenden, wie es seine Schaltfläche tut: eine Nummer von 1 bis 7 (7 ist DHCP) oder ein Schaltflächenname. Exit-Status: 0 angewendet, 1 ungültige Werte, kein Adapter gewählt oder keine brauchbare Einstellungsdatei, 2 der Dienst hat abgelehnt oder ist fehlgeschlagen, 3 zurückgenommen, 64 Aufruffehler.</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>With --apply: roll the change back after SECONDS unless it is confirmed on the terminal.</source>
        <translation>Mit --apply: die Änderung nach SEKUNDEN zurücknehmen, sofern sie nicht im Terminal bestätigt wird.</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SEKUNDEN</translation>
    </message>
    <message>
        <source>Switches a network adapter&apos;s IPv4 configuration between stored profiles.</source>
        <translation>Schaltet die IPv4-Konfiguration eines Netzwerkadapters zwischen gespeicherten Profilen um.</translation>
    </message>
    <message>
        <source>--settings needs a file name</source>
        <translation>--settings braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--rollback goes with --apply</source>
        <translation>--rollback gehört zu --apply</translation>
    </message>
    <message>
        <source>--rollback takes a number of seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--rollback erwartet eine Anzahl Sekunden von 1 bis 86400, nicht „%1“</translation>
    </message>
    <message>
        <source>korvo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>korvo: keine Anzeige für das Fenster (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
    <message>
        <source>the end of the session</source>
        <translation>das Ende der Sitzung</translation>
    </message>
    <message>
        <source>With --list, --adapters or --sets: print a JSON array; with --apply, the outcome as a JSON object.</source>
        <translation>Mit --list, --adapters oder --sets: ein JSON-Array ausgeben; mit --apply das Ergebnis als JSON-Objekt.</translation>
    </message>
    <message>
        <source>Print the profile sets, one per line (name, settings file, &quot;chosen&quot; for the set the window uses, else &quot;-&quot;), tab-separated.</source>
        <translation>Die Profilsätze ausgeben, einen pro Zeile (Name, Einstellungsdatei, „chosen“ für den Satz, den das Fenster verwendet, sonst „-“), durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>With --list, --apply or --adapters: use the profile set NAME instead of the set chosen last in the window. An unknown set is a usage error.</source>
        <translation>Mit --list, --apply oder --adapters: den Profilsatz NAME statt des zuletzt im Fenster gewählten verwenden. Ein unbekannter Satz ist ein Aufruffehler.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>give exactly one of --list, --adapters, --apply and --sets</source>
        <translation>geben Sie genau eine der Optionen --list, --adapters, --apply und --sets an</translation>
    </message>
    <message>
        <source>--set goes with --list, --apply or --adapters</source>
        <translation>--set gehört zu --list, --apply oder --adapters</translation>
    </message>
    <message>
        <source>--set needs a set&apos;s name</source>
        <translation>--set braucht den Namen eines Profilsatzes</translation>
    </message>
</context>
</TS>
