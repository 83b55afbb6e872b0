<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AdapterStates</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>static</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unconfigured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Address: %3
Gateway: %4
DNS: %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressValidation</name>
    <message>
        <source>A valid IP address is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A valid SubnetMask is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A valid Gateway Address is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A valid Primary DNS address is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A valid Secondary DNS address is required or leave the box empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A valid Primary WINS address is required or leave the box empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A valid Secondary WINS address is required or leave the box empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AgreementText</name>
    <message>
        <source>KORVO END USER LICENCE AGREEMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please read this agreement carefully before you use Korvo. By ticking the box beside the sentence of acceptance below and pressing &quot;Continue&quot;, you agree to be bound by all of its terms. If you do not agree, tick the box beside the sentence of refusal and press &quot;Continue&quot;, or close this window; Korvo will then end without changing anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. What Korvo does. Korvo is a small utility that switches the IPv4 configuration of a network adapter of this computer between configurations that you store yourself: IP address, subnet mask, default gateway, DNS servers and WINS servers, or the use of DHCP. It makes these changes through the network configuration service of your operating system, with the rights of the account that runs it. Korvo does not check whether a configuration suits your network; it only checks that the addresses you typed are well formed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Licence. You may install and use Korvo on any number of computers that you own or are allowed to administer, and you may make copies of it for your own use and for backup. You may not sell Korvo, nor remove or alter this agreement or any notice of authorship that comes with it. All rights not expressly granted here are reserved by the authors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Your responsibility. Changing the address of a network adapter can interrupt every connection that uses it, including remote sessions, file transfers, printing and the connection through which you may be administering this computer. A wrong gateway or DNS server can make other computers or the internet unreachable, and an address already in use elsewhere can disturb other devices on the same network. You are solely responsible for the configurations you store and apply, for obtaining the permission of the owner or administrator of the network before you change the configuration of a computer connected to it, and for keeping a record of a working configuration to which you can return.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Settings. Korvo keeps your configurations, the adapter chosen for each of them and the fact that you accepted this agreement in a plain text file named Korvo.ini in the folder of the program. The file is written only when you press &quot;Save Settings&quot; (and once when you accept this agreement). Anyone who can read that folder can read your configurations. Korvo sends nothing about you, your computer or your networks anywhere, and it keeps no log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. No warranty. Korvo is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose, accuracy and non-infringement. The authors do not warrant that Korvo will work without interruption or error, that it will work with every network adapter, driver or version of the operating system, or that a configuration applied with it will take effect as expected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6. Limitation of liability. To the fullest extent permitted by the law that applies to you, in no event shall the authors or distributors of Korvo be liable for any direct, indirect, incidental, special, exemplary or consequential damages, including but not limited to loss of connectivity, loss of data, loss of business or profits, or the cost of substitute services, however caused and on any theory of liability, arising in any way out of the use of or inability to use Korvo, even if advised of the possibility of such damage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. Other software and services. Korvo relies on the network configuration service, the drivers of your network adapters and the DHCP, DNS and WINS servers of your network. These are not part of Korvo and are governed by their own terms. The authors have no control over them and are not responsible for how they react to a configuration that Korvo passes on, nor for any change in their behaviour after an update of your operating system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. Support and updates. The authors are under no obligation to provide support, maintenance, corrections or new versions of Korvo. Should a new version be made available, it may come with its own agreement, which then replaces this one for that version. Keep a copy of your settings file before you replace the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9. Termination. This licence ends automatically if you fail to comply with any of its terms. You may end it at any time by deleting every copy of Korvo and its settings file. Sections 3, 5 and 6 survive the end of the licence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10. General. This agreement is the entire agreement between you and the authors about Korvo. If any part of it is held to be unenforceable, that part shall be enforced to the extent possible and the remaining parts stay in full force. A failure to enforce any right under this agreement is not a waiver of that right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By accepting, you confirm that you have read and understood this agreement, that you are entitled to change the network configuration of this computer, and that you accept all of the terms above.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>start korvo%1 once and accept the terms of use, or run korvo --accept-terms%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no settings file at %1; to make one, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while reading the ini file, it may be corrupt. (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the terms of use are not accepted in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the network configuration service failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not restored: it had %2 and has %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing Korvo can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the change could not be rolled back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>but a pending rollback covers %1: it will undo this change in %2 seconds, when %3 expires, unless that is kept first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>but a pending rollback covers %1: it will undo this change if %2 is rolled back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no profile is numbered &quot;%1&quot; (1 to 7, or a button name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one profile is named &quot;%1&quot;: give its number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no profile is numbered or named &quot;%1&quot; (1 to 7, or a button name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whoops: Please select an Interface first!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was changed: no way back could be prepared: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep this configuration? [y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no terminal to ask on: rolling back when the %1 seconds are up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the configuration could not be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped by %1: rolling back now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>The address was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network configuration service failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network interface -%1- %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IP configuration for the following interface has been changed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adapter&apos;s address was changed, but the network service refused some settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new settings were saved for the adapter, but they are not in effect yet: they take effect the next time it is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check these details and fix the problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There has been an error and the IP settings could not be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary DNS </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary WINS </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary WINS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Applied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Applying Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gateway was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WINS servers were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DNS servers were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not set: this platform has none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart the computer to complete the change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adapter&apos;s cable is not connected: the values are saved and take effect when the cable is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network configuration service failed before the rest was set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not supported on this platform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid subnet mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rollback</name>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the DNS servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 was refused (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>&quot;%1&quot; is a symbolic link owned by another user (uid %2), and Korvo running as root does not write through it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; could not be followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the previous settings could not be put back either: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a settings file of %1 lines (it may be corrupt) and was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; contains a line break or a NUL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value contains characters that cannot be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings are larger than %1 KiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::AdapterStates</name>
    <message>
        <source>Click this button to use these settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
In effect on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::Form1</name>
    <message>
        <source>Korvo  Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EULA accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while reading the ini file, it may be corrupt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by another program since Korvo read it. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvo Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file &quot;KorvoHelp.chm&quot; was not found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program on this computer could open the help file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an Interface first!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The terms could not be accepted in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::Form3</name>
    <message>
        <source>Korvo EULA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I have read, understood and fully accept all of the terms and conditions in this End User Licence Agreement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I do not wish to use this utility and would like to exit now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::Form4</name>
    <message>
        <source>Applying Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait a moment...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This configuration is being applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::ProfileTab</name>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS-Primary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS-Secondary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WINS-Primary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WINS-Secondary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Network Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS via DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WINS via DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::Tray</name>
    <message>
        <source>Show Korvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>korvo: %1 (korvo --help lists the options)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read and save the settings in FILE instead of Korvo.ini in the usual place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept the terms of use and save the settings file without showing a window, print its path and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the seven profiles as their buttons apply them, one per line (number, button name, adapter, the seven addresses), tab-separated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the adapters and their current IPv4 settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply a profile as its button does: a number 1 to 7 (7 is DHCP) or a button name. Exit status: 0 applied, 1 invalid values or no adapter chosen, 2 the service refused or failed, 3 rolled back, 64 usage error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --apply: roll the change back after SECONDS unless it is confirmed on the terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --list or --adapters: print a JSON array.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches a network adapter&apos;s IPv4 configuration between stored profiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--settings needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give exactly one of --list, --adapters and --apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --list or --adapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rollback goes with --apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rollback takes a number of seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>korvo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
