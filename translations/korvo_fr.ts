<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AdapterStates</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>static</source>
        <translation>statique</translation>
    </message>
    <message>
        <source>unconfigured</source>
        <translation>non configuré</translation>
    </message>
    <message>
        <source>%1: %2
Address: %3
Gateway: %4
DNS: %5</source>
        <translation>%1 : %2
Adresse : %3
Passerelle : %4
DNS : %5</translation>
    </message>
</context>
<context>
    <name>AddressValidation</name>
    <message>
        <source>A valid IP address is required</source>
        <translation>Une adresse IP valide est requise</translation>
    </message>
    <message>
        <source>A valid SubnetMask is required</source>
        <translation>Un masque de sous-réseau valide est requis</translation>
    </message>
    <message>
        <source>A valid Gateway Address is required</source>
        <translation>Une adresse de passerelle valide est requise</translation>
    </message>
    <message>
        <source>A valid Primary DNS address is required</source>
        <translation>Une adresse DNS principale valide est requise</translation>
    </message>
    <message>
        <source>A valid Secondary DNS address is required or leave the box empty</source>
        <translation>Une adresse DNS secondaire valide est requise, ou laissez la case vide</translation>
    </message>
    <message>
        <source>A valid Primary WINS address is required or leave the box empty</source>
        <translation>Une adresse WINS principale valide est requise, ou laissez la case vide</translation>
    </message>
    <message>
        <source>A valid Secondary WINS address is required or leave the box empty</source>
        <translation>Une adresse WINS secondaire valide est requise, ou laissez la case vide</translation>
    </message>
    <message>
        <source>A valid further address is required, such as 192.0.2.21/24: %1</source>
        <translation>Une adresse supplémentaire valide est requise, par exemple 192.0.2.21/24 : %1</translation>
    </message>
</context>
<context>
    <name>AgreementText</name>
    <message>
        <source>KORVO END USER LICENCE AGREEMENT</source>
        <translation>CONTRAT DE LICENCE UTILISATEUR FINAL DE KORVO</translation>
    </message>
    <message>
        <source>Please read this agreement carefully before you use Korvo. By ticking the box beside the sentence of acceptance below and pressing &quot;Continue&quot;, you agree to be bound by all of its terms. If you do not agree, tick the box beside the sentence of refusal and press &quot;Continue&quot;, or close this window; Korvo will then end without changing anything.</source>
        <translation>Veuillez lire attentivement ce contrat avant d’utiliser Korvo. En cochant la case à côté de la phrase d’acceptation ci-dessous et en appuyant sur « Continuer », vous acceptez d’être lié par toutes ses conditions. Si vous ne les acceptez pas, cochez la case à côté de la phrase de refus et appuyez sur « Continuer », ou fermez cette fenêtre ; Korvo se terminera alors sans rien modifier.</translation>
    </message>
    <message>
        <source>1. What Korvo does. Korvo is a small utility that switches the IPv4 configuration of a network adapter of this computer between configurations that you store yourself: IP address, subnet mask, default gateway, DNS servers and WINS servers, or the use of DHCP. It makes these changes through the network configuration service of your operating system, with the rights of the account that runs it. Korvo does not check whether a configuration suits your network; it only checks that the addresses you typed are well formed.</source>
        <translation>1. Ce que fait Korvo. Korvo est un petit utilitaire qui fait basculer la configuration IPv4 d’un adaptateur réseau de cet ordinateur entre des configurations que vous enregistrez vous-même : adresse IP, masque de sous-réseau, passerelle par défaut, serveurs DNS et serveurs WINS, ou l’utilisation de DHCP. Il effectue ces modifications par le service de configuration réseau de votre système d’exploitation, avec les droits du compte qui l’exécute. Korvo ne vérifie pas si une configuration convient à votre réseau ; il vérifie seulement que les adresses saisies sont bien formées.</translation>
    </message>
    <message>
        <source>2. Licence. You may install and use Korvo on any number of computers that you own or are allowed to administer, and you may make copies of it for your own use and for backup. You may not sell Korvo, nor remove or alter this agreement or any notice of authorship that comes with it. All rights not expressly granted here are reserved by the authors.</source>
        <translation>2. Licence. Vous pouvez installer et utiliser Korvo sur autant d’ordinateurs que vous possédez ou que vous êtes autorisé à administrer, et en faire des copies pour votre propre usage et à titre de sauvegarde. Vous ne pouvez pas vendre Korvo, ni supprimer ou modifier ce contrat ou toute mention d’auteur qui l’accompagne. Tous les droits qui ne sont pas expressément accordés ici sont réservés aux auteurs.</translation>
    </message>
    <message>
        <source>3. Your responsibility. Changing the address of a network adapter can interrupt every connection that uses it, including remote sessions, file transfers, printing and the connection through which you may be administering this computer. A wrong gateway or DNS server can make other computers or the internet unreachable, and an address already in use elsewhere can disturb other devices on the same network. You are solely responsible for the configurations you store and apply, for obtaining the permission of the owner or administrator of the network before you change the configuration of a computer connected to it, and for keeping a record of a working configuration to which you can return.</source>
        <translation>3. Votre responsabilité. Modifier l’adresse d’un adaptateur réseau peut interrompre toutes les connexions qui l’utilisent, y compris les sessions à distance, les transferts de fichiers, l’impression et la connexion par laquelle vous administrez peut-être cet ordinateur. Une passerelle ou un serveur DNS erronés peuvent rendre d’autres ordinateurs ou Internet inaccessibles, et une adresse déjà utilisée ailleurs peut perturber d’autres appareils du même réseau. Vous êtes seul responsable des configurations que vous enregistrez et appliquez, de l’obtention de l’autorisation du propriétaire ou de l’administrateur du réseau avant de modifier la configuration d’un ordinateur qui y est connecté, et de la conservation d’une configuration fonctionnelle à laquelle vous pouvez revenir.</translation>
    </message>
    <message>
        <source>4. Settings. Korvo keeps your configurations, the adapter chosen for each of them and the fact that you accepted this agreement in a plain text file named Korvo.ini in the folder of the program. The file is written only when you press &quot;Save Settings&quot; (and once when you accept this agreement). Anyone who can read that folder can read your configurations. Korvo sends nothing about you, your computer or your networks anywhere, and it keeps no log.</source>
        <translation>4. Paramètres. Korvo conserve vos configurations, l’adaptateur choisi pour chacune d’elles et le fait que vous avez accepté ce contrat dans un fichier texte nommé Korvo.ini, dans le dossier du programme. Le fichier n’est écrit que lorsque vous appuyez sur « Enregistrer » (et une fois lorsque vous acceptez ce contrat). Toute personne pouvant lire ce dossier peut lire vos configurations. Korvo n’envoie rien nulle part sur vous, votre ordinateur ou vos réseaux, et ne tient aucun journal.</translation>
    </message>
    <message>
        <source>5. No warranty. Korvo is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose, accuracy and non-infringement. The authors do not warrant that Korvo will work without interruption or error, that it will work with every network adapter, driver or version of the operating system, or that a configuration applied with it will take effect as expected.</source>
        <translation>5. Absence de garantie. Korvo est fourni « tel quel », sans garantie d’aucune sorte, expresse ou implicite, y compris, sans s’y limiter, les garanties de qualité marchande, d’adéquation à un usage particulier, d’exactitude et d’absence de contrefaçon. Les auteurs ne garantissent pas que Korvo fonctionnera sans interruption ni erreur, qu’il fonctionnera avec chaque adaptateur réseau, pilote ou version du système d’exploitation, ni qu’une configuration appliquée avec lui prendra effet comme prévu.</translation>
    </message>
    <message>
        <source>6. Limitation of liability. To the fullest extent permitted by the law that applies to you, in no event shall the authors or distributors of Korvo be liable for any direct, indirect, incidental, special, exemplary or consequential damages, including but not limited to loss of connectivity, loss of data, loss of business or profits, or the cost of substitute services, however caused and on any theory of liability, arising in any way out of the use of or inability to use Korvo, even if advised of the possibility of such damage.</source>
        <translation>6. Limitation de responsabilité. Dans toute la mesure permise par la loi qui vous est applicable, les auteurs ou distributeurs de Korvo ne pourront en aucun cas être tenus responsables de dommages directs, indirects, accessoires, spéciaux, exemplaires ou consécutifs, y compris, sans s’y limiter, la perte de connectivité, la perte de données, la perte d’activité ou de bénéfices, ou le coût de services de remplacement, quelle qu’en soit la cause et quel que soit le fondement de la responsabilité, découlant de quelque manière que ce soit de l’utilisation ou de l’impossibilité d’utiliser Korvo, même s’ils ont été avertis de la possibilité de tels dommages.</translation>
    </message>
    <message>
        <source>7. Other software and services. Korvo relies on the network configuration service, the drivers of your network adapters and the DHCP, DNS and WINS servers of your network. These are not part of Korvo and are governed by their own terms. The authors have no control over them and are not responsible for how they react to a configuration that Korvo passes on, nor for any change in their behaviour after an update of your operating system.</source>
        <translation>7. Autres logiciels et services. Korvo dépend du service de configuration réseau, des pilotes de vos adaptateurs réseau et des serveurs DHCP, DNS et WINS de votre réseau. Ceux-ci ne font pas partie de Korvo et sont régis par leurs propres conditions. Les auteurs n’ont aucun contrôle sur eux et ne sont responsables ni de leur réaction à une configuration que Korvo leur transmet, ni d’un changement de leur comportement après une mise à jour de votre système d’exploitation.</translation>
    </message>
    <message>
        <source>8. Support and updates. The authors are under no obligation to provide support, maintenance, corrections or new versions of Korvo. Should a new version be made available, it may come with its own agreement, which then replaces this one for that version. Keep a copy of your settings file before you replace the program.</source>
        <translation>8. Assistance et mises à jour. Les auteurs n’ont aucune obligation de fournir une assistance, une maintenance, des corrections ou de nouvelles versions de Korvo. Si une nouvelle version est mise à disposition, elle peut être accompagnée de son propre contrat, qui remplace alors celui-ci pour cette version. Conservez une copie de votre fichier de paramètres avant de remplacer le programme.</translation>
    </message>
    <message>
        <source>9. Termination. This licence ends automatically if you fail to comply with any of its terms. You may end it at any time by deleting every copy of Korvo and its settings file. Sections 3, 5 and 6 survive the end of the licence.</source>
        <translation>9. Résiliation. Cette licence prend fin automatiquement si vous ne respectez pas l’une de ses conditions. Vous pouvez y mettre fin à tout moment en supprimant toutes les copies de Korvo et son fichier de paramètres. Les sections 3, 5 et 6 survivent à la fin de la licence.</translation>
    </message>
    <message>
        <source>10. General. This agreement is the entire agreement between you and the authors about Korvo. If any part of it is held to be unenforceable, that part shall be enforced to the extent possible and the remaining parts stay in full force. A failure to enforce any right under this agreement is not a waiver of that right.</source>
        <translation>10. Dispositions générales. Ce contrat constitue l’intégralité de l’accord entre vous et les auteurs au sujet de Korvo. Si une partie en est jugée inapplicable, cette partie sera appliquée dans toute la mesure possible et les autres parties resteront pleinement en vigueur. Le fait de ne pas faire valoir un droit prévu par ce contrat ne vaut pas renonciation à ce droit.</translation>
    </message>
    <message>
        <source>By accepting, you confirm that you have read and understood this agreement, that you are entitled to change the network configuration of this computer, and that you accept all of the terms above.</source>
        <translation>En acceptant, vous confirmez avoir lu et compris ce contrat, être habilité à modifier la configuration réseau de cet ordinateur et accepter toutes les conditions ci-dessus.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>start korvo%1 once and accept the terms of use, or run korvo --accept-terms%1</source>
        <translation>lancez korvo%1 une fois et acceptez les conditions d’utilisation, ou exécutez korvo --accept-terms%1</translation>
    </message>
    <message>
        <source>no settings file at %1; to make one, %2</source>
        <translation>aucun fichier de paramètres à %1 ; pour en créer un, %2</translation>
    </message>
    <message>
        <source>Error while reading the ini file, it may be corrupt. (%1)</source>
        <translation>Erreur lors de la lecture du fichier ini, il est peut-être endommagé. (%1)</translation>
    </message>
    <message>
        <source>the terms of use are not accepted in %1: %2</source>
        <translation>les conditions d’utilisation ne sont pas acceptées dans %1 : %2</translation>
    </message>
    <message>
        <source>the network configuration service failed: %1</source>
        <translation>le service de configuration réseau a échoué : %1</translation>
    </message>
    <message>
        <source>Restored %1: %2
</source>
        <translation>%1 restauré : %2
</translation>
    </message>
    <message>
        <source>%1 was not restored: it had %2 and has %3</source>
        <translation>%1 n’a pas été restauré : il avait %2 et a %3</translation>
    </message>
    <message>
        <source>nothing Korvo can read</source>
        <translation>rien que Korvo puisse lire</translation>
    </message>
    <message>
        <source>the change could not be rolled back: %1</source>
        <translation>la modification n’a pas pu être annulée : %1</translation>
    </message>
    <message>
        <source>but a pending rollback covers %1: it will undo this change in %2 seconds, when %3 expires, unless that is kept first</source>
        <translation>mais une annulation en attente couvre %1 : elle défera cette modification dans %2 secondes, à l’expiration de %3, sauf si celui-ci est confirmé avant</translation>
    </message>
    <message>
        <source>but a pending rollback covers %1: it will undo this change if %2 is rolled back</source>
        <translation>mais une annulation en attente couvre %1 : elle défera cette modification si %2 est annulé</translation>
    </message>
    <message>
        <source>no profile is numbered &quot;%1&quot; (1 to 7, or a button name)</source>
        <translation>aucun profil ne porte le numéro « %1 » (1 à 7, ou un nom de bouton)</translation>
    </message>
    <message>
        <source>more than one profile is named &quot;%1&quot;: give its number</source>
        <translation>plusieurs profils s’appellent « %1 » : indiquez son numéro</translation>
    </message>
    <message>
        <source>no profile is numbered or named &quot;%1&quot; (1 to 7, or a button name)</source>
        <translation>aucun profil ne porte le numéro ou le nom « %1 » (1 à 7, ou un nom de bouton)</translation>
    </message>
    <message>
        <source>Whoops: Please select an Interface first!!</source>
        <translation>Oups : veuillez d’abord choisir une interface !!</translation>
    </message>
    <message>
        <source>nothing was changed: no way back could be prepared: %1</source>
        <translation>rien n’a été modifié : aucun retour en arrière n’a pu être préparé : %1</translation>
    </message>
    <message>
        <source>Keep this configuration? [y/N] </source>
        <translation>Conserver cette configuration ? [y/N] </translation>
    </message>
    <message>
        <source>no terminal to ask on: rolling back when the %1 seconds are up</source>
        <translation>aucun terminal pour demander : annulation à la fin des %1 secondes</translation>
    </message>
    <message>
        <source>the configuration could not be kept: %1</source>
        <translation>la configuration n’a pas pu être conservée : %1</translation>
    </message>
    <message>
        <source>Kept.
</source>
        <translation>Conservée.
</translation>
    </message>
    <message>
        <source>stopped by %1: rolling back now</source>
        <translation>arrêté par %1 : annulation immédiate</translation>
    </message>
    <message>
        <source>there is no set named &quot;%1&quot; (korvo --sets lists them)</source>
        <translation>aucun jeu de profils ne s’appelle « %1 » (korvo --sets les liste)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no set&apos;s name: %2</source>
        <translation>« %1 » n’est pas un nom de jeu de profils : %2</translation>
    </message>
</context>
<context>
    <name>ProfileSets</name>
    <message>
        <source>&quot;%1&quot; could not be read</source>
        <translation>« %1 » n’a pas pu être lu</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; could not be created</source>
        <translation>le dossier de « %1 » n’a pas pu être créé</translation>
    </message>
    <message>
        <source>a set needs a name</source>
        <translation>un jeu de profils doit avoir un nom</translation>
    </message>
    <message>
        <source>a set&apos;s name has at most %1 characters</source>
        <translation>le nom d’un jeu de profils a au plus %1 caractères</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot hold control characters</source>
        <translation>le nom d’un jeu de profils ne peut pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot hold any of / \ : * ? &quot; &lt; &gt; |</source>
        <translation>le nom d’un jeu de profils ne peut contenir aucun des caractères / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot begin with a dot</source>
        <translation>le nom d’un jeu de profils ne peut pas commencer par un point</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot begin or end with a blank, or end with a dot</source>
        <translation>le nom d’un jeu de profils ne peut ni commencer ni finir par une espace, ni finir par un point</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot end with &quot;.extra&quot;: that is the companion files&apos; ending</source>
        <translation>le nom d’un jeu de profils ne peut pas finir par « .extra » : c’est la fin des fichiers compagnons</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device&apos;s name on Windows</source>
        <translation>« %1 » est le nom d’un périphérique sous Windows</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of the settings file Korvo always uses</source>
        <translation>« %1 » est le nom du fichier de paramètres que Korvo utilise toujours</translation>
    </message>
    <message>
        <source>there is no set named &quot;%1&quot;</source>
        <translation>aucun jeu de profils ne s’appelle « %1 »</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be created</source>
        <translation>le dossier « %1 » n’a pas pu être créé</translation>
    </message>
    <message>
        <source>the chosen set could not be remembered in &quot;%1&quot;</source>
        <translation>le jeu choisi n’a pas pu être retenu dans « %1 »</translation>
    </message>
    <message>
        <source>there is already a set named &quot;%1&quot;</source>
        <translation>un jeu de profils s’appelle déjà « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way of the new set&apos;s companion file</source>
        <translation>« %1 » occupe la place du fichier compagnon du nouveau jeu</translation>
    </message>
    <message>
        <source>the set &quot;%1&quot; is the settings file Korvo always uses and keeps its name</source>
        <translation>le jeu « %1 » est le fichier de paramètres que Korvo utilise toujours et garde son nom</translation>
    </message>
    <message>
        <source>the set &quot;%1&quot; is the settings file Korvo always uses and cannot be deleted</source>
        <translation>le jeu « %1 » est le fichier de paramètres que Korvo utilise toujours et ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>the set was deleted, its companion file &quot;%1&quot; not: %2</source>
        <translation>le jeu a été supprimé, pas son fichier compagnon « %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file of %2 lines</source>
        <translation>« %1 » n’est pas un fichier de paramètres de %2 lignes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the set&apos;s own file</source>
        <translation>« %1 » est le propre fichier du jeu</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>The address was</source>
        <translation>L’adresse</translation>
    </message>
    <message>
        <source>DHCP was</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The change was</source>
        <translation>La modification</translation>
    </message>
    <message>
        <source>The network configuration service failed: %1</source>
        <translation>Le service de configuration réseau a échoué : %1</translation>
    </message>
    <message>
        <source>The network interface -%1- %2.</source>
        <translation>L’interface réseau -%1- %2.</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>est introuvable</translation>
    </message>
    <message>
        <source>The IP configuration for the following interface has been changed </source>
        <translation>La configuration IP de l’interface suivante a été modifiée </translation>
    </message>
    <message>
        <source>The adapter&apos;s address was changed, but the network service refused some settings.</source>
        <translation>L’adresse de l’adaptateur a été modifiée, mais le service réseau a refusé certains paramètres.</translation>
    </message>
    <message>
        <source>The new settings were saved for the adapter, but they are not in effect yet: they take effect the next time it is connected.</source>
        <translation>Les nouveaux paramètres ont été enregistrés pour l’adaptateur, mais ne sont pas encore actifs : ils s’appliqueront à sa prochaine connexion.</translation>
    </message>
    <message>
        <source>Please Check these details and fix the problem</source>
        <translation>Veuillez vérifier ces informations et corriger le problème</translation>
    </message>
    <message>
        <source>There has been an error and the IP settings could not be changed.</source>
        <translation>Une erreur s’est produite et les paramètres IP n’ont pas pu être modifiés.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway   </source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Primary DNS </source>
        <translation>DNS principal</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secondaire</translation>
    </message>
    <message>
        <source>Primary WINS </source>
        <translation>WINS principal</translation>
    </message>
    <message>
        <source>Secondary WINS</source>
        <translation>WINS secondaire</translation>
    </message>
    <message>
        <source>Configuration Applied</source>
        <translation>Configuration appliquée</translation>
    </message>
    <message>
        <source>Configuration Error!</source>
        <translation>Erreur de configuration !</translation>
    </message>
    <message>
        <source>Error Applying Configuration</source>
        <translation>Erreur lors de l’application de la configuration</translation>
    </message>
    <message>
        <source>%1 refused (%2).</source>
        <translation>%1 : refus du service (%2).</translation>
    </message>
    <message>
        <source>The gateway was</source>
        <translation>La passerelle</translation>
    </message>
    <message>
        <source>The WINS servers were</source>
        <translation>Les serveurs WINS</translation>
    </message>
    <message>
        <source>The DNS servers were</source>
        <translation>Les serveurs DNS</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>%1 not set: this platform has none.</source>
        <translation>%1 : rien n’a été défini, cette plateforme n’en a pas.</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Restart the computer to complete the change.</source>
        <translation>Redémarrez l’ordinateur pour terminer la modification.</translation>
    </message>
    <message>
        <source>The adapter&apos;s cable is not connected: the values are saved and take effect when the cable is connected.</source>
        <translation>Le câble de l’adaptateur n’est pas branché : les valeurs sont enregistrées et s’appliqueront lorsque le câble sera branché.</translation>
    </message>
    <message>
        <source>The network configuration service failed before the rest was set: %1</source>
        <translation>Le service de configuration réseau a échoué avant que le reste soit défini : %1</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>not supported on this platform</source>
        <translation>non pris en charge sur cette plateforme</translation>
    </message>
    <message>
        <source>the service failed</source>
        <translation>le service a échoué</translation>
    </message>
    <message>
        <source>invalid subnet mask</source>
        <translation>masque de sous-réseau non valide</translation>
    </message>
    <message>
        <source>invalid IP address</source>
        <translation>adresse IP non valide</translation>
    </message>
    <message>
        <source>invalid gateway</source>
        <translation>passerelle non valide</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>code %1</translation>
    </message>
    <message>
        <source>Changing the network needs administrator rights.</source>
        <translation>Modifier le réseau nécessite des droits d’administrateur.</translation>
    </message>
    <message>
        <source>Changing the network needs more rights than this account has.</source>
        <translation>Modifier le réseau nécessite plus de droits que ce compte n’en a.</translation>
    </message>
    <message>
        <source>There has been an error, and it is not known whether the IP settings were changed.</source>
        <translation>Une erreur s’est produite, et on ne sait pas si les paramètres IP ont été modifiés.</translation>
    </message>
    <message>
        <source>The adapter could not be read back: %1</source>
        <translation>L’adaptateur n’a pas pu être relu : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1: %2 asked, %3 in effect.</source>
        <translation>%1 : %2 demandé, %3 en vigueur.</translation>
    </message>
    <message>
        <source>The adapter does not have all the settings asked for: the values shown are in effect.</source>
        <translation>L’adaptateur n’a pas tous les paramètres demandés : les valeurs affichées sont celles en vigueur.</translation>
    </message>
    <message>
        <source>The gateway %1 answers.</source>
        <translation>La passerelle %1 répond.</translation>
    </message>
    <message>
        <source>The gateway %1 does not answer.</source>
        <translation>La passerelle %1 ne répond pas.</translation>
    </message>
    <message>
        <source>%1 is in use already: the host %2 answered for it on -%3-. Nothing was changed.</source>
        <translation>%1 est déjà utilisée : l’hôte %2 a répondu pour elle sur -%3-. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Whether %1 was free on the network was not checked: %2.</source>
        <translation>Il n’a pas été vérifié si %1 était libre sur le réseau : %2.</translation>
    </message>
    <message>
        <source>The way back prepared before the change could not be given up, so it may undo the change: %1</source>
        <translation>Le retour arrière préparé avant la modification n’a pas pu être abandonné ; il risque de défaire la modification : %1</translation>
    </message>
    <message>
        <source>The IP settings were not changed.</source>
        <translation>Les paramètres IP n’ont pas été modifiés.</translation>
    </message>
    <message>
        <source>Configuration Not Applied</source>
        <translation>Configuration non appliquée</translation>
    </message>
    <message>
        <source>no network configuration service is available on this system</source>
        <translation>aucun service de configuration réseau n’est disponible sur ce système</translation>
    </message>
    <message>
        <source>the service gave no connection</source>
        <translation>le service n’a fourni aucune connexion</translation>
    </message>
    <message>
        <source>%1, now named %2</source>
        <translation>%1, désormais nommé %2</translation>
    </message>
    <message>
        <source>-%1-, now named -%2-, was found by its hardware address %3.</source>
        <translation>-%1-, désormais nommé -%2-, a été retrouvé par son adresse matérielle %3.</translation>
    </message>
    <message>
        <source>More addresses: %1 asked, %2 in effect.</source>
        <translation>Adresses supplémentaires : %1 demandé, %2 en vigueur.</translation>
    </message>
    <message>
        <source>More addresses: %1</source>
        <translation>Adresses supplémentaires : %1</translation>
    </message>
    <message>
        <source>not available on this platform</source>
        <translation>non disponible sur cette plateforme</translation>
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
        <translation>l’adresse</translation>
    </message>
    <message>
        <source>the gateway</source>
        <translation>la passerelle</translation>
    </message>
    <message>
        <source>the DNS servers</source>
        <translation>les serveurs DNS</translation>
    </message>
    <message>
        <source>the change</source>
        <translation>la modification</translation>
    </message>
    <message>
        <source>%1: %2 was refused (%3)</source>
        <translation>%1 : refus pour %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 a disparu</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>aucune adresse</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>passerelle %1</translation>
    </message>
    <message>
        <source>The previous settings could not be put back: %1</source>
        <translation>Les paramètres précédents n’ont pas pu être rétablis : %1</translation>
    </message>
    <message>
        <source>The gateway %1 did not answer after the change, so the previous settings were put back.</source>
        <translation>La passerelle %1 n’a pas répondu après la modification ; les paramètres précédents ont donc été rétablis.</translation>
    </message>
    <message>
        <source>Restored %1: %2</source>
        <translation>%1 restauré : %2</translation>
    </message>
    <message>
        <source>%1 was not restored: it had %2 and has %3</source>
        <translation>%1 n’a pas été restauré : il avait %2 et a %3</translation>
    </message>
    <message>
        <source>nothing Korvo can read</source>
        <translation>rien que Korvo puisse lire</translation>
    </message>
    <message>
        <source>the service does not say what %1 has now, so it could not be put back</source>
        <translation>le service n’indique pas ce que %1 a actuellement, il ne pourrait donc pas être rétabli</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>&quot;%1&quot; is a symbolic link owned by another user (uid %2), and Korvo running as root does not write through it</source>
        <translation>« %1 » est un lien symbolique appartenant à un autre utilisateur (uid %2), et Korvo exécuté en tant que root n’écrit pas à travers lui</translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; could not be followed</source>
        <translation>le lien symbolique « %1 » n’a pas pu être suivi</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>le fichier n’a pas pu être écrit entièrement</translation>
    </message>
    <message>
        <source>; the previous settings could not be put back either: %1</source>
        <translation> ; les paramètres précédents n’ont pas pu être rétablis non plus : %1</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>il n’a pas pu être lu</translation>
    </message>
    <message>
        <source>it is not a settings file of %1 lines (it may be corrupt) and was left as it is</source>
        <translation>ce n’est pas un fichier de paramètres de %1 lignes (il est peut-être endommagé) et il a été laissé tel quel</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; contains a line break or a NUL character</source>
        <translation>la valeur « %1 » contient un saut de ligne ou un caractère NUL</translation>
    </message>
    <message>
        <source>a value contains characters that cannot be stored</source>
        <translation>une valeur contient des caractères impossibles à enregistrer</translation>
    </message>
    <message>
        <source>the settings are larger than %1 KiB</source>
        <translation>les paramètres dépassent %1 Kio</translation>
    </message>
    <message>
        <source>its folder may not be written to, and no copy of it could be kept first in &quot;%1&quot; (%2), without which a save cut short would empty it</source>
        <translation>son dossier n’est pas accessible en écriture, et aucune copie n’a pu en être gardée d’abord dans « %1 » (%2), sans laquelle un enregistrement interrompu la viderait</translation>
    </message>
    <message>
        <source>no data folder</source>
        <translation>aucun dossier de données</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>le dossier n’a pas pu être créé</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop volumineux</translation>
    </message>
    <message>
        <source>it is not written in UTF-8</source>
        <translation>il n’est pas écrit en UTF-8</translation>
    </message>
</context>
<context>
    <name>StopDuringApply</name>
    <message>
        <source>korvo: stopped by %1 while the change is under way; waiting for the network service&apos;s answer (at most %2 s) before ending.</source>
        <translation>korvo : arrêté par %1 pendant que la modification est en cours ; attente de la réponse du service réseau (%2 s au plus) avant de quitter.</translation>
    </message>
    <message>
        <source>korvo: the network service did not answer within %1 s; ending without its answer.</source>
        <translation>korvo : le service réseau n’a pas répondu en %1 s ; fin sans sa réponse.</translation>
    </message>
    <message>
        <source>The change may be only partly made: the adapter&apos;s saved settings and those in effect can differ until a profile is applied again.</source>
        <translation>La modification n’est peut-être que partielle : les paramètres enregistrés de l’adaptateur et ceux en vigueur peuvent différer jusqu’à ce qu’un profil soit de nouveau appliqué.</translation>
    </message>
</context>
<context>
    <name>korvo::AdapterStates</name>
    <message>
        <source>Click this button to use these settings</source>
        <translation>Cliquez sur ce bouton pour utiliser ces paramètres</translation>
    </message>
    <message>
        <source>%1
In effect on %2</source>
        <translation>%1
Actif sur %2</translation>
    </message>
    <message>
        <source>Applies %1; no adapter is chosen for it.</source>
        <translation>Applique %1 ; aucun adaptateur n’est choisi pour ce profil.</translation>
    </message>
    <message>
        <source>Applies %1 to %2. In effect now.</source>
        <translation>Applique %1 à %2. Actif maintenant.</translation>
    </message>
    <message>
        <source>Applies %1 to %2.</source>
        <translation>Applique %1 à %2.</translation>
    </message>
    <message>
        <source>%1: not there now
Unplugged, switched off or renamed.
Profiles that use it keep it.</source>
        <translation>%1 : absent pour le moment
Débranché, éteint ou renommé.
Les profils qui l’utilisent le conservent.</translation>
    </message>
</context>
<context>
    <name>korvo::ApplyRun</name>
    <message>
        <source>Korvo: asked to end (%1) while a change to the network is under way; waiting for the network service&apos;s answer (at most %2 s) before ending.</source>
        <translation>Korvo : fin demandée (%1) pendant qu’une modification du réseau est en cours ; attente de la réponse du service réseau (%2 s au plus) avant de quitter.</translation>
    </message>
    <message>
        <source>Korvo: the network service did not answer within %1 s; ending without its answer.</source>
        <translation>Korvo : le service réseau n’a pas répondu en %1 s ; fin sans sa réponse.</translation>
    </message>
    <message>
        <source>The change may be only partly made: the adapter&apos;s saved settings and those in effect can differ until a profile is applied again.</source>
        <translation>La modification n’est peut-être que partielle : les paramètres enregistrés de l’adaptateur et ceux en vigueur peuvent différer jusqu’à ce qu’un profil soit de nouveau appliqué.</translation>
    </message>
    <message>
        <source>Korvo: the apply under way has finished; ending now. The outcome:</source>
        <translation>Korvo : l’application en cours est terminée ; fin maintenant. Le résultat :</translation>
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
        <translation>Aide (F1)</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Révision %1</translation>
    </message>
    <message>
        <source>EULA accepted</source>
        <translation>CLUF accepté</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Korvo read it. Overwrite it?</source>
        <translation>%1 a été modifié par un autre programme depuis que Korvo l’a lu. L’écraser ?</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>son dossier n’a pas pu être créé</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Les paramètres n’ont pas pu être enregistrés dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Oups</translation>
    </message>
    <message>
        <source>Please select an Interface first!!</source>
        <translation>Veuillez d’abord choisir une interface !!</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>the window&apos;s close box</source>
        <translation>la case de fermeture de la fenêtre</translation>
    </message>
    <message>
        <source>the tray&apos;s Exit</source>
        <translation>« Quitter » de la zone de notification</translation>
    </message>
    <message>
        <source>The profile set &quot;%1&quot; has changes that are not saved. Save them first?

No keeps them in the window and does nothing else.</source>
        <translation>Le jeu de profils « %1 » a des modifications non enregistrées. Les enregistrer d’abord ?

Non les garde dans la fenêtre et ne fait rien d’autre.</translation>
    </message>
    <message>
        <source>the more addresses and hardware addresses could not be written to %1: %2</source>
        <translation>les adresses supplémentaires et les adresses matérielles n’ont pas pu être écrites dans %1 : %2</translation>
    </message>
    <message>
        <source>A pending rollback covers %1: it will undo this change in %2 seconds, when %3 expires, unless that is kept first.</source>
        <translation>Une annulation en attente couvre %1 : elle défera cette modification dans %2 secondes, à l’expiration de %3, sauf si celui-ci est confirmé avant.</translation>
    </message>
    <message>
        <source>A pending rollback covers %1: it will undo this change if %2 is rolled back.</source>
        <translation>Une annulation en attente couvre %1 : elle défera cette modification si %2 est annulé.</translation>
    </message>
    <message>
        <source>These settings are kept.</source>
        <translation>Ces paramètres sont conservés.</translation>
    </message>
    <message>
        <source>These settings could not be kept: %1</source>
        <translation>Ces paramètres n’ont pas pu être conservés : %1</translation>
    </message>
</context>
<context>
    <name>korvo::Form3</name>
    <message>
        <source>Korvo EULA</source>
        <translation>Contrat de licence de Korvo</translation>
    </message>
    <message>
        <source>I have read, understood and fully accept all of the terms and conditions in this End User Licence Agreement.</source>
        <translation>J’ai lu et compris toutes les conditions de ce contrat de licence utilisateur final et je les accepte entièrement.</translation>
    </message>
    <message>
        <source>I do not wish to use this utility and would like to exit now.</source>
        <translation>Je ne souhaite pas utiliser cet utilitaire et je veux le quitter maintenant.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>korvo::Form4</name>
    <message>
        <source>Applying Configuration</source>
        <translation>Application de la configuration</translation>
    </message>
    <message>
        <source>Please wait a moment...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>This configuration is being applied.</source>
        <translation>Cette configuration est en cours d’application.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>Garder ces paramètres</translation>
    </message>
    <message>
        <source>The gateway answered before the change and does not answer now. Unless you keep these settings, the previous ones come back in %1 s.</source>
        <translation>La passerelle répondait avant la modification et ne répond plus. Si vous ne gardez pas ces paramètres, les précédents reviennent dans %1 s.</translation>
    </message>
</context>
<context>
    <name>korvo::HelpPage</name>
    <message>
        <source>Korvo Help</source>
        <translation>Aide de Korvo</translation>
    </message>
    <message>
        <source>The help file &quot;KorvoHelp.chm&quot; was not found in %1.</source>
        <translation>Le fichier d’aide « KorvoHelp.chm » est introuvable dans %1.</translation>
    </message>
    <message>
        <source>No program on this computer could open the help file %1.</source>
        <translation>Aucun programme de cet ordinateur n’a pu ouvrir le fichier d’aide %1.</translation>
    </message>
</context>
<context>
    <name>korvo::MoreAddressesBox</name>
    <message>
        <source>Static addresses kept beside the DHCP lease, each with its prefix length, separated by blanks: %1</source>
        <translation>Adresses statiques conservées à côté du bail DHCP, chacune avec sa longueur de préfixe, séparées par des espaces : %1</translation>
    </message>
    <message>
        <source>Addresses given after the IP address, each with its prefix length, separated by blanks: %1</source>
        <translation>Adresses attribuées après l’adresse IP, chacune avec sa longueur de préfixe, séparées par des espaces : %1</translation>
    </message>
    <message>
        <source>More addresses</source>
        <translation>Adresses supplémentaires</translation>
    </message>
</context>
<context>
    <name>korvo::NetworkManager</name>
    <message>
        <source>is not managed by NetworkManager</source>
        <translation>n’est pas gérée par NetworkManager</translation>
    </message>
    <message>
        <source>NetworkManager is not running.</source>
        <translation>NetworkManager n’est pas en cours d’exécution.</translation>
    </message>
    <message>
        <source>NetworkManager refused permission.</source>
        <translation>NetworkManager a refusé l’autorisation.</translation>
    </message>
    <message>
        <source>The connection to the system bus was lost.</source>
        <translation>La connexion au bus système a été perdue.</translation>
    </message>
    <message>
        <source>The network device or its profile no longer exists.</source>
        <translation>Le périphérique réseau ou son profil n’existe plus.</translation>
    </message>
    <message>
        <source>NetworkManager could not activate the adapter with them.</source>
        <translation>NetworkManager n’a pas pu activer l’adaptateur avec ces valeurs.</translation>
    </message>
    <message>
        <source>Changing the network needs root or NetworkManager&apos;s polkit permission %1; an administrator can grant it with a polkit rule, for example by copying /usr/share/korvo/polkit/50-korvo.rules to /etc/polkit-1/rules.d/ and adding you to the group it names.</source>
        <translation>Modifier le réseau nécessite root ou l’autorisation polkit %1 de NetworkManager ; un administrateur peut l’accorder par une règle polkit, par exemple en copiant /usr/share/korvo/polkit/50-korvo.rules dans /etc/polkit-1/rules.d/ et en vous ajoutant au groupe qu’elle nomme.</translation>
    </message>
    <message>
        <source>NetworkManager did not answer in time.</source>
        <translation>NetworkManager n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>NetworkManager went away before it answered: it stopped or crashed.</source>
        <translation>NetworkManager a disparu avant de répondre : il s’est arrêté ou a planté.</translation>
    </message>
    <message>
        <source>NetworkManager was still waiting for authorization (a password prompt, for one) when Korvo stopped waiting; answering a prompt that is still open would make the change after all.</source>
        <translation>NetworkManager attendait encore une autorisation (une demande de mot de passe, par exemple) quand Korvo a cessé d’attendre ; répondre à une demande encore ouverte ferait quand même la modification.</translation>
    </message>
    <message>
        <source>Nobody answered the password prompt in time; Korvo has withdrawn it.</source>
        <translation>Personne n’a répondu à temps à la demande de mot de passe ; Korvo l’a retirée.</translation>
    </message>
    <message>
        <source>The adapter&apos;s cable is not connected, and its profile does not connect by itself: connect it once the cable is plugged in.</source>
        <translation>Le câble de l’adaptateur n’est pas branché, et son profil ne se connecte pas de lui-même : connectez-le une fois le câble branché.</translation>
    </message>
    <message>
        <source>Korvo does not see the adapter %1 where it runs</source>
        <translation>Korvo ne voit pas l’adaptateur %1 là où il s’exécute</translation>
    </message>
    <message>
        <source>the kernel&apos;s neighbour table could not be read</source>
        <translation>la table des voisins du noyau n’a pas pu être lue</translation>
    </message>
    <message>
        <source>arping is not installed</source>
        <translation>arping n’est pas installé</translation>
    </message>
    <message>
        <source>arping could not be started</source>
        <translation>arping n’a pas pu être lancé</translation>
    </message>
    <message>
        <source>arping failed</source>
        <translation>arping a échoué</translation>
    </message>
    <message>
        <source>%1 is not an IPv4 address</source>
        <translation>%1 n’est pas une adresse IPv4</translation>
    </message>
    <message>
        <source>the adapter&apos;s cable is not connected</source>
        <translation>le câble de l’adaptateur n’est pas branché</translation>
    </message>
    <message>
        <source>its time was up: NetworkManager had already rolled it back</source>
        <translation>son délai était écoulé : NetworkManager l’avait déjà annulée</translation>
    </message>
    <message>
        <source>NetworkManager could not restore %1</source>
        <translation>NetworkManager n’a pas pu rétablir %1</translation>
    </message>
    <message>
        <source>NetworkManager refused %1: permission denied</source>
        <translation>NetworkManager a refusé %1 : permission refusée</translation>
    </message>
    <message>
        <source>NetworkManager refused %1</source>
        <translation>NetworkManager a refusé %1</translation>
    </message>
    <message>
        <source>NetworkManager published no manager object</source>
        <translation>NetworkManager n’a publié aucun objet gestionnaire</translation>
    </message>
    <message>
        <source>the adapter is not one of NetworkManager&apos;s</source>
        <translation>l’adaptateur n’est pas géré par NetworkManager</translation>
    </message>
    <message>
        <source>a checkpoint needs at least one adapter</source>
        <translation>un point de contrôle nécessite au moins un adaptateur</translation>
    </message>
    <message>
        <source>NetworkManager refused CheckpointCreate%1 (%2: %3)</source>
        <translation>NetworkManager a refusé CheckpointCreate%1 (%2 : %3)</translation>
    </message>
    <message>
        <source>: permission denied; a checkpoint needs root or NetworkManager&apos;s polkit permission org.freedesktop.NetworkManager.checkpoint-rollback, which Korvo&apos;s example polkit rule grants</source>
        <translation> : permission refusée ; un point de contrôle nécessite root ou la permission polkit org.freedesktop.NetworkManager.checkpoint-rollback de NetworkManager, qu’accorde la règle polkit d’exemple de Korvo</translation>
    </message>
    <message>
        <source>cannot connect to the system bus: %1</source>
        <translation>impossible de se connecter au bus système : %1</translation>
    </message>
    <message>
        <source>NetworkManager refused %1: %2</source>
        <translation>NetworkManager a refusé %1 : %2</translation>
    </message>
    <message>
        <source>Putting them into effect was refused: %1</source>
        <translation>Leur mise en vigueur a été refusée : %1</translation>
    </message>
    <message>
        <source>%1&apos;s saved profile was put back as it was before the apply.</source>
        <translation>Le profil enregistré de %1 a été remis tel qu’il était avant l’application.</translation>
    </message>
    <message>
        <source>NetworkManager saved the new settings in %1&apos;s profile but has not put them into effect, nor answered Korvo&apos;s request to put the profile back: until it does, %1 keeps its previous settings while its profile holds the new ones, which its next connection brings. Applying a profile again sets both.</source>
        <translation>NetworkManager a enregistré les nouveaux paramètres dans le profil de %1 sans les mettre en vigueur, ni répondre à la demande de Korvo de remettre le profil : en attendant, %1 garde ses paramètres précédents tandis que son profil contient les nouveaux, qu’apportera sa prochaine connexion. Appliquer de nouveau un profil règle les deux.</translation>
    </message>
    <message>
        <source>NetworkManager has not answered the saving of %1&apos;s new settings: Korvo has asked it to keep the profile as it was, and could not see that done.</source>
        <translation>NetworkManager n’a pas répondu à l’enregistrement des nouveaux paramètres de %1 : Korvo lui a demandé de garder le profil tel qu’il était, sans pouvoir constater que c’était fait.</translation>
    </message>
    <message>
        <source>%1&apos;s saved profile could not be put back: %2</source>
        <translation>Le profil enregistré de %1 n’a pas pu être remis : %2</translation>
    </message>
</context>
<context>
    <name>korvo::ProfileTab</name>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>DNS-Primary</source>
        <translation>DNS principal</translation>
    </message>
    <message>
        <source>DNS-Secondary</source>
        <translation>DNS secondaire</translation>
    </message>
    <message>
        <source>WINS-Primary</source>
        <translation>WINS principal</translation>
    </message>
    <message>
        <source>WINS-Secondary</source>
        <translation>WINS secondaire</translation>
    </message>
    <message>
        <source>Select a Network Interface</source>
        <translation>Choisissez une interface réseau</translation>
    </message>
    <message>
        <source>Button Name</source>
        <translation>Nom du bouton</translation>
    </message>
    <message>
        <source>DNS via DHCP</source>
        <translation>DNS par DHCP</translation>
    </message>
    <message>
        <source>WINS via DHCP</source>
        <translation>WINS par DHCP</translation>
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
        <translation>Reprendre les paramètres actuels de cet adaptateur</translation>
    </message>
    <message>
        <source>Korvo does not know this adapter&apos;s current settings: it is not listed now, or the network service has not answered.</source>
        <translation>Korvo ne connaît pas les paramètres actuels de cet adaptateur : il n’est pas listé en ce moment, ou le service réseau n’a pas répondu.</translation>
    </message>
    <message>
        <source>This adapter has no IPv4 address now.</source>
        <translation>Cet adaptateur n’a pas d’adresse IPv4 en ce moment.</translation>
    </message>
</context>
<context>
    <name>korvo::SetChooser</name>
    <message>
        <source>Set:</source>
        <translation>Jeu :</translation>
    </message>
    <message>
        <source>Profile set</source>
        <translation>Jeu de profils</translation>
    </message>
    <message>
        <source>The profile set shown and applied: each set is a settings file of its own</source>
        <translation>Le jeu de profils affiché et appliqué : chaque jeu est un fichier de paramètres à part</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Manage profile sets</source>
        <translation>Gérer les jeux de profils</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Nouveau…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Duplicate…</source>
        <translation>Dupliquer…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Nom du jeu :</translation>
    </message>
    <message>
        <source>The set chosen could not be remembered for the next start: %1</source>
        <translation>Le jeu choisi n’a pas pu être retenu pour le prochain démarrage : %1</translation>
    </message>
    <message>
        <source>New profile set</source>
        <translation>Nouveau jeu de profils</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>Le jeu n’a pas pu être créé : %1</translation>
    </message>
    <message>
        <source>Rename profile set</source>
        <translation>Renommer le jeu de profils</translation>
    </message>
    <message>
        <source>The set could not be renamed: %1</source>
        <translation>Le jeu n’a pas pu être renommé : %1</translation>
    </message>
    <message>
        <source>Duplicate profile set</source>
        <translation>Dupliquer le jeu de profils</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 copie</translation>
    </message>
    <message>
        <source>The set could not be duplicated: %1</source>
        <translation>Le jeu n’a pas pu être dupliqué : %1</translation>
    </message>
    <message>
        <source>Delete the profile set &quot;%1&quot; with all its profiles? This cannot be undone.</source>
        <translation>Supprimer le jeu de profils « %1 » avec tous ses profils ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>The set could not be deleted: %1</source>
        <translation>Le jeu n’a pas pu être supprimé : %1</translation>
    </message>
    <message>
        <source>Import a profile set</source>
        <translation>Importer un jeu de profils</translation>
    </message>
    <message>
        <source>Korvo settings (*.ini);;All files (*)</source>
        <translation>Paramètres Korvo (*.ini);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The set could not be imported: %1</source>
        <translation>Le jeu n’a pas pu être importé : %1</translation>
    </message>
    <message>
        <source>Export the profile set &quot;%1&quot;</source>
        <translation>Exporter le jeu de profils « %1 »</translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Le jeu n’a pas pu être exporté : %1</translation>
    </message>
</context>
<context>
    <name>korvo::StartUp</name>
    <message>
        <source>Woops</source>
        <translation>Oups</translation>
    </message>
    <message>
        <source>Error while reading the ini file, it may be corrupt.</source>
        <translation>Erreur lors de la lecture du fichier ini, il est peut-être endommagé.</translation>
    </message>
</context>
<context>
    <name>korvo::Tray</name>
    <message>
        <source>Show Korvo</source>
        <translation>Afficher Korvo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>aucune adresse</translation>
    </message>
    <message>
        <source>%1 by DHCP</source>
        <comment>addresses</comment>
        <translation>%1 par DHCP</translation>
    </message>
    <message>
        <source>%1: %2, no profile in effect</source>
        <comment>adapter, addresses</comment>
        <translation>%1 : %2, aucun profil en vigueur</translation>
    </message>
    <message>
        <source>%1: %2, in effect: %3</source>
        <comment>adapter, addresses, profiles</comment>
        <translation>%1 : %2, en vigueur : %3</translation>
    </message>
    <message>
        <source>Profile set</source>
        <translation>Jeu de profils</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The terms could not be accepted in &quot;%1&quot;: %2</source>
        <translation>Les conditions n’ont pas pu être acceptées dans « %1 » : %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Les paramètres n’ont pas pu être enregistrés dans « %1 » : %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>korvo: the window could not be loaded: %1</source>
        <translation>korvo : la fenêtre n’a pas pu être chargée : %1</translation>
    </message>
    <message>
        <source>korvo: %1 (korvo --help lists the options)</source>
        <translation>korvo : %1 (korvo --help liste les options)</translation>
    </message>
    <message>
        <source>Read and save the settings in FILE instead of Korvo.ini in the usual place.</source>
        <translation>Lire et enregistrer les paramètres dans FICHIER au lieu de Korvo.ini à l’endroit habituel.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Accept the terms of use and save the settings file without showing a window, print its path and end.</source>
        <translation>Accepter les conditions d’utilisation et enregistrer le fichier de paramètres sans afficher de fenêtre, afficher son chemin et terminer.</translation>
    </message>
    <message>
        <source>Print the seven profiles as their buttons apply them, one per line (number, button name, adapter, the seven addresses), tab-separated.</source>
        <translation>Afficher les sept profils tels que leurs boutons les appliquent, un par ligne (numéro, nom du bouton, adaptateur, les sept adresses), séparés par des tabulations.</translation>
    </message>
    <message>
        <source>Print the adapters and their current IPv4 settings.</source>
        <translation>Afficher les adaptateurs et leurs paramètres IPv4 actuels.</translation>
    </message>
    <message>
        <source>Apply a profile as its button does: a number 1 to 7 (7 is DHCP) or a button name. Exit status: 0 applied, 1 invalid values, no adapter chosen or no usable settings file, 2 the service refused or failed, 3 rolled back, 64 usage error.</source>
        <translation>Appliquer un profil comme le fait son bouton : un numéro de 1 à 7 (7 est DHCP) ou un nom de bouton. Code de sortie : 0 appliqué, 1 valeurs non valides, aucun adaptateur choisi ou aucun fichier de paramètres utilisable, 2 refus ou échec du service, 3 annulé, 64 erreur d’utilisation.</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>With --apply: roll the change back after SECONDS unless it is confirmed on the terminal.</source>
        <translation>Avec --apply : annuler la modification après SECONDES, sauf si elle est confirmée dans le terminal.</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDES</translation>
    </message>
    <message>
        <source>Switches a network adapter&apos;s IPv4 configuration between stored profiles.</source>
        <translation>Bascule la configuration IPv4 d’un adaptateur réseau entre des profils enregistrés.</translation>
    </message>
    <message>
        <source>--settings needs a file name</source>
        <translation>--settings nécessite un nom de fichier</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--rollback goes with --apply</source>
        <translation>--rollback s’utilise avec --apply</translation>
    </message>
    <message>
        <source>--rollback takes a number of seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--rollback attend un nombre de secondes de 1 à 86400, pas « %1 »</translation>
    </message>
    <message>
        <source>korvo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>korvo : aucun écran où afficher la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définis)</translation>
    </message>
    <message>
        <source>the end of the session</source>
        <translation>la fin de la session</translation>
    </message>
    <message>
        <source>With --list, --adapters or --sets: print a JSON array; with --apply, the outcome as a JSON object.</source>
        <translation>Avec --list, --adapters ou --sets : afficher un tableau JSON ; avec --apply, le résultat sous forme d’objet JSON.</translation>
    </message>
    <message>
        <source>Print the profile sets, one per line (name, settings file, &quot;chosen&quot; for the set the window uses, else &quot;-&quot;), tab-separated.</source>
        <translation>Afficher les jeux de profils, un par ligne (nom, fichier de paramètres, « chosen » pour le jeu qu’utilise la fenêtre, sinon « - »), séparés par des tabulations.</translation>
    </message>
    <message>
        <source>With --list, --apply or --adapters: use the profile set NAME instead of the set chosen last in the window. An unknown set is a usage error.</source>
        <translation>Avec --list, --apply ou --adapters : utiliser le jeu de profils NOM au lieu du dernier jeu choisi dans la fenêtre. Un jeu inconnu est une erreur d’utilisation.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>give exactly one of --list, --adapters, --apply and --sets</source>
        <translation>indiquez exactement une des options --list, --adapters, --apply et --sets</translation>
    </message>
    <message>
        <source>--set goes with --list, --apply or --adapters</source>
        <translation>--set va avec --list, --apply ou --adapters</translation>
    </message>
    <message>
        <source>--set needs a set&apos;s name</source>
        <translation>--set a besoin d’un nom de jeu</translation>
    </message>
</context>
</TS>
