<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AdapterStates</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>static</source>
        <translation>estática</translation>
    </message>
    <message>
        <source>unconfigured</source>
        <translation>sin configurar</translation>
    </message>
    <message>
        <source>%1: %2
Address: %3
Gateway: %4
DNS: %5</source>
        <translation>%1: %2
Dirección: %3
Puerta de enlace: %4
DNS: %5</translation>
    </message>
</context>
<context>
    <name>AddressValidation</name>
    <message>
        <source>A valid IP address is required</source>
        <translation>Se necesita una dirección IP válida</translation>
    </message>
    <message>
        <source>A valid SubnetMask is required</source>
        <translation>Se necesita una máscara de subred válida</translation>
    </message>
    <message>
        <source>A valid Gateway Address is required</source>
        <translation>Se necesita una dirección de puerta de enlace válida</translation>
    </message>
    <message>
        <source>A valid Primary DNS address is required</source>
        <translation>Se necesita una dirección DNS principal válida</translation>
    </message>
    <message>
        <source>A valid Secondary DNS address is required or leave the box empty</source>
        <translation>Se necesita una dirección DNS secundaria válida, o deje el cuadro vacío</translation>
    </message>
    <message>
        <source>A valid Primary WINS address is required or leave the box empty</source>
        <translation>Se necesita una dirección WINS principal válida, o deje el cuadro vacío</translation>
    </message>
    <message>
        <source>A valid Secondary WINS address is required or leave the box empty</source>
        <translation>Se necesita una dirección WINS secundaria válida, o deje el cuadro vacío</translation>
    </message>
    <message>
        <source>A valid further address is required, such as 192.0.2.21/24: %1</source>
        <translation>Se requiere una dirección adicional válida, como 192.0.2.21/24: %1</translation>
    </message>
</context>
<context>
    <name>AgreementText</name>
    <message>
        <source>KORVO END USER LICENCE AGREEMENT</source>
        <translation>CONTRATO DE LICENCIA DE USUARIO FINAL DE KORVO</translation>
    </message>
    <message>
        <source>Please read this agreement carefully before you use Korvo. By ticking the box beside the sentence of acceptance below and pressing &quot;Continue&quot;, you agree to be bound by all of its terms. If you do not agree, tick the box beside the sentence of refusal and press &quot;Continue&quot;, or close this window; Korvo will then end without changing anything.</source>
        <translation>Lea atentamente este contrato antes de usar Korvo. Al marcar la casilla junto a la frase de aceptación de abajo y pulsar «Continuar», acepta quedar obligado por todas sus condiciones. Si no las acepta, marque la casilla junto a la frase de rechazo y pulse «Continuar», o cierre esta ventana; Korvo terminará entonces sin cambiar nada.</translation>
    </message>
    <message>
        <source>1. What Korvo does. Korvo is a small utility that switches the IPv4 configuration of a network adapter of this computer between configurations that you store yourself: IP address, subnet mask, default gateway, DNS servers and WINS servers, or the use of DHCP. It makes these changes through the network configuration service of your operating system, with the rights of the account that runs it. Korvo does not check whether a configuration suits your network; it only checks that the addresses you typed are well formed.</source>
        <translation>1. Qué hace Korvo. Korvo es una pequeña utilidad que cambia la configuración IPv4 de un adaptador de red de este equipo entre configuraciones que usted mismo guarda: dirección IP, máscara de subred, puerta de enlace predeterminada, servidores DNS y servidores WINS, o el uso de DHCP. Realiza estos cambios a través del servicio de configuración de red de su sistema operativo, con los derechos de la cuenta que lo ejecuta. Korvo no comprueba si una configuración es adecuada para su red; solo comprueba que las direcciones escritas estén bien formadas.</translation>
    </message>
    <message>
        <source>2. Licence. You may install and use Korvo on any number of computers that you own or are allowed to administer, and you may make copies of it for your own use and for backup. You may not sell Korvo, nor remove or alter this agreement or any notice of authorship that comes with it. All rights not expressly granted here are reserved by the authors.</source>
        <translation>2. Licencia. Puede instalar y usar Korvo en cualquier número de equipos de su propiedad o que esté autorizado a administrar, y puede hacer copias para su propio uso y como copia de seguridad. No puede vender Korvo, ni eliminar o modificar este contrato ni ningún aviso de autoría que lo acompañe. Todos los derechos no concedidos expresamente aquí quedan reservados a los autores.</translation>
    </message>
    <message>
        <source>3. Your responsibility. Changing the address of a network adapter can interrupt every connection that uses it, including remote sessions, file transfers, printing and the connection through which you may be administering this computer. A wrong gateway or DNS server can make other computers or the internet unreachable, and an address already in use elsewhere can disturb other devices on the same network. You are solely responsible for the configurations you store and apply, for obtaining the permission of the owner or administrator of the network before you change the configuration of a computer connected to it, and for keeping a record of a working configuration to which you can return.</source>
        <translation>3. Su responsabilidad. Cambiar la dirección de un adaptador de red puede interrumpir todas las conexiones que lo usan, incluidas las sesiones remotas, las transferencias de archivos, la impresión y la conexión a través de la cual quizá esté administrando este equipo. Una puerta de enlace o un servidor DNS erróneos pueden dejar inaccesibles otros equipos o Internet, y una dirección ya usada en otro lugar puede perturbar otros dispositivos de la misma red. Usted es el único responsable de las configuraciones que guarda y aplica, de obtener el permiso del propietario o administrador de la red antes de cambiar la configuración de un equipo conectado a ella, y de conservar una configuración que funcione y a la que pueda volver.</translation>
    </message>
    <message>
        <source>4. Settings. Korvo keeps your configurations, the adapter chosen for each of them and the fact that you accepted this agreement in a plain text file named Korvo.ini in the folder of the program. The file is written only when you press &quot;Save Settings&quot; (and once when you accept this agreement). Anyone who can read that folder can read your configurations. Korvo sends nothing about you, your computer or your networks anywhere, and it keeps no log.</source>
        <translation>4. Configuración. Korvo guarda sus configuraciones, el adaptador elegido para cada una y el hecho de que usted aceptó este contrato en un archivo de texto llamado Korvo.ini, en la carpeta del programa. El archivo solo se escribe cuando pulsa «Guardar» (y una vez cuando acepta este contrato). Cualquiera que pueda leer esa carpeta puede leer sus configuraciones. Korvo no envía a ningún sitio nada sobre usted, su equipo o sus redes, y no lleva ningún registro.</translation>
    </message>
    <message>
        <source>5. No warranty. Korvo is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose, accuracy and non-infringement. The authors do not warrant that Korvo will work without interruption or error, that it will work with every network adapter, driver or version of the operating system, or that a configuration applied with it will take effect as expected.</source>
        <translation>5. Sin garantía. Korvo se proporciona «tal cual», sin garantía de ningún tipo, expresa o implícita, incluidas, entre otras, las garantías de comerciabilidad, idoneidad para un fin determinado, exactitud y no infracción. Los autores no garantizan que Korvo funcione sin interrupciones ni errores, que funcione con todos los adaptadores de red, controladores o versiones del sistema operativo, ni que una configuración aplicada con él surta efecto como se espera.</translation>
    </message>
    <message>
        <source>6. Limitation of liability. To the fullest extent permitted by the law that applies to you, in no event shall the authors or distributors of Korvo be liable for any direct, indirect, incidental, special, exemplary or consequential damages, including but not limited to loss of connectivity, loss of data, loss of business or profits, or the cost of substitute services, however caused and on any theory of liability, arising in any way out of the use of or inability to use Korvo, even if advised of the possibility of such damage.</source>
        <translation>6. Limitación de responsabilidad. En la máxima medida permitida por la ley que le sea aplicable, en ningún caso los autores o distribuidores de Korvo serán responsables de daños directos, indirectos, incidentales, especiales, ejemplares o consecuentes, incluidos, entre otros, la pérdida de conectividad, la pérdida de datos, la pérdida de negocio o de beneficios, o el coste de servicios sustitutivos, cualquiera que sea su causa y la teoría de responsabilidad, que se deriven de cualquier forma del uso o de la imposibilidad de usar Korvo, aun cuando se haya advertido de la posibilidad de tales daños.</translation>
    </message>
    <message>
        <source>7. Other software and services. Korvo relies on the network configuration service, the drivers of your network adapters and the DHCP, DNS and WINS servers of your network. These are not part of Korvo and are governed by their own terms. The authors have no control over them and are not responsible for how they react to a configuration that Korvo passes on, nor for any change in their behaviour after an update of your operating system.</source>
        <translation>7. Otro software y servicios. Korvo depende del servicio de configuración de red, de los controladores de sus adaptadores de red y de los servidores DHCP, DNS y WINS de su red. Estos no forman parte de Korvo y se rigen por sus propias condiciones. Los autores no tienen control sobre ellos y no son responsables de cómo reaccionen a una configuración que Korvo les transmita, ni de ningún cambio en su comportamiento tras una actualización de su sistema operativo.</translation>
    </message>
    <message>
        <source>8. Support and updates. The authors are under no obligation to provide support, maintenance, corrections or new versions of Korvo. Should a new version be made available, it may come with its own agreement, which then replaces this one for that version. Keep a copy of your settings file before you replace the program.</source>
        <translation>8. Soporte y actualizaciones. Los autores no tienen obligación de ofrecer soporte, mantenimiento, correcciones ni nuevas versiones de Korvo. Si se publica una nueva versión, puede venir con su propio contrato, que sustituirá entonces a este para esa versión. Guarde una copia de su archivo de configuración antes de sustituir el programa.</translation>
    </message>
    <message>
        <source>9. Termination. This licence ends automatically if you fail to comply with any of its terms. You may end it at any time by deleting every copy of Korvo and its settings file. Sections 3, 5 and 6 survive the end of the licence.</source>
        <translation>9. Terminación. Esta licencia termina automáticamente si usted incumple cualquiera de sus condiciones. Puede ponerle fin en cualquier momento eliminando todas las copias de Korvo y su archivo de configuración. Las secciones 3, 5 y 6 subsisten tras el fin de la licencia.</translation>
    </message>
    <message>
        <source>10. General. This agreement is the entire agreement between you and the authors about Korvo. If any part of it is held to be unenforceable, that part shall be enforced to the extent possible and the remaining parts stay in full force. A failure to enforce any right under this agreement is not a waiver of that right.</source>
        <translation>10. Disposiciones generales. Este contrato constituye el acuerdo completo entre usted y los autores sobre Korvo. Si alguna parte se considera inaplicable, esa parte se aplicará en la medida de lo posible y las demás partes seguirán plenamente vigentes. No ejercer un derecho previsto en este contrato no supone renunciar a él.</translation>
    </message>
    <message>
        <source>By accepting, you confirm that you have read and understood this agreement, that you are entitled to change the network configuration of this computer, and that you accept all of the terms above.</source>
        <translation>Al aceptar, confirma que ha leído y comprendido este contrato, que está autorizado a cambiar la configuración de red de este equipo y que acepta todas las condiciones anteriores.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>start korvo%1 once and accept the terms of use, or run korvo --accept-terms%1</source>
        <translation>inicie korvo%1 una vez y acepte las condiciones de uso, o ejecute korvo --accept-terms%1</translation>
    </message>
    <message>
        <source>no settings file at %1; to make one, %2</source>
        <translation>no hay archivo de configuración en %1; para crear uno, %2</translation>
    </message>
    <message>
        <source>Error while reading the ini file, it may be corrupt. (%1)</source>
        <translation>Error al leer el archivo ini; puede estar dañado. (%1)</translation>
    </message>
    <message>
        <source>the terms of use are not accepted in %1: %2</source>
        <translation>las condiciones de uso no están aceptadas en %1: %2</translation>
    </message>
    <message>
        <source>the network configuration service failed: %1</source>
        <translation>el servicio de configuración de red falló: %1</translation>
    </message>
    <message>
        <source>Restored %1: %2
</source>
        <translation>%1 restaurado: %2
</translation>
    </message>
    <message>
        <source>%1 was not restored: it had %2 and has %3</source>
        <translation>%1 no se restauró: tenía %2 y tiene %3</translation>
    </message>
    <message>
        <source>nothing Korvo can read</source>
        <translation>nada que Korvo pueda leer</translation>
    </message>
    <message>
        <source>the change could not be rolled back: %1</source>
        <translation>no se pudo revertir el cambio: %1</translation>
    </message>
    <message>
        <source>but a pending rollback covers %1: it will undo this change in %2 seconds, when %3 expires, unless that is kept first</source>
        <translation>pero una reversión pendiente afecta a %1: deshará este cambio dentro de %2 segundos, cuando caduque %3, salvo que antes se conserve</translation>
    </message>
    <message>
        <source>but a pending rollback covers %1: it will undo this change if %2 is rolled back</source>
        <translation>pero una reversión pendiente afecta a %1: deshará este cambio si %2 se revierte</translation>
    </message>
    <message>
        <source>no profile is numbered &quot;%1&quot; (1 to 7, or a button name)</source>
        <translation>ningún perfil tiene el número «%1» (1 a 7, o un nombre de botón)</translation>
    </message>
    <message>
        <source>more than one profile is named &quot;%1&quot;: give its number</source>
        <translation>hay más de un perfil llamado «%1»: indique su número</translation>
    </message>
    <message>
        <source>no profile is numbered or named &quot;%1&quot; (1 to 7, or a button name)</source>
        <translation>ningún perfil tiene el número o el nombre «%1» (1 a 7, o un nombre de botón)</translation>
    </message>
    <message>
        <source>Whoops: Please select an Interface first!!</source>
        <translation>Vaya: ¡¡seleccione primero una interfaz!!</translation>
    </message>
    <message>
        <source>nothing was changed: no way back could be prepared: %1</source>
        <translation>no se cambió nada: no se pudo preparar la vuelta atrás: %1</translation>
    </message>
    <message>
        <source>Keep this configuration? [y/N] </source>
        <translation>¿Conservar esta configuración? [y/N] </translation>
    </message>
    <message>
        <source>no terminal to ask on: rolling back when the %1 seconds are up</source>
        <translation>no hay terminal donde preguntar: se revertirá al cumplirse los %1 segundos</translation>
    </message>
    <message>
        <source>the configuration could not be kept: %1</source>
        <translation>no se pudo conservar la configuración: %1</translation>
    </message>
    <message>
        <source>Kept.
</source>
        <translation>Conservada.
</translation>
    </message>
    <message>
        <source>stopped by %1: rolling back now</source>
        <translation>detenido por %1: revirtiendo ahora</translation>
    </message>
    <message>
        <source>there is no set named &quot;%1&quot; (korvo --sets lists them)</source>
        <translation>no hay ningún conjunto de perfiles llamado «%1» (korvo --sets los enumera)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no set&apos;s name: %2</source>
        <translation>«%1» no es un nombre de conjunto: %2</translation>
    </message>
</context>
<context>
    <name>ProfileSets</name>
    <message>
        <source>&quot;%1&quot; could not be read</source>
        <translation>no se pudo leer «%1»</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; could not be created</source>
        <translation>no se pudo crear la carpeta de «%1»</translation>
    </message>
    <message>
        <source>a set needs a name</source>
        <translation>un conjunto necesita un nombre</translation>
    </message>
    <message>
        <source>a set&apos;s name has at most %1 characters</source>
        <translation>el nombre de un conjunto tiene como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot hold control characters</source>
        <translation>el nombre de un conjunto no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot hold any of / \ : * ? &quot; &lt; &gt; |</source>
        <translation>el nombre de un conjunto no puede contener ninguno de / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot begin with a dot</source>
        <translation>el nombre de un conjunto no puede empezar por un punto</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot begin or end with a blank, or end with a dot</source>
        <translation>el nombre de un conjunto no puede empezar ni terminar con un espacio, ni terminar con un punto</translation>
    </message>
    <message>
        <source>a set&apos;s name cannot end with &quot;.extra&quot;: that is the companion files&apos; ending</source>
        <translation>el nombre de un conjunto no puede terminar en «.extra»: así terminan los archivos complementarios</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device&apos;s name on Windows</source>
        <translation>«%1» es el nombre de un dispositivo en Windows</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of the settings file Korvo always uses</source>
        <translation>«%1» es el nombre del archivo de configuración que Korvo usa siempre</translation>
    </message>
    <message>
        <source>there is no set named &quot;%1&quot;</source>
        <translation>no hay ningún conjunto llamado «%1»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be created</source>
        <translation>no se pudo crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>the chosen set could not be remembered in &quot;%1&quot;</source>
        <translation>no se pudo recordar el conjunto elegido en «%1»</translation>
    </message>
    <message>
        <source>there is already a set named &quot;%1&quot;</source>
        <translation>ya hay un conjunto llamado «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way of the new set&apos;s companion file</source>
        <translation>«%1» ocupa el lugar del archivo complementario del nuevo conjunto</translation>
    </message>
    <message>
        <source>the set &quot;%1&quot; is the settings file Korvo always uses and keeps its name</source>
        <translation>el conjunto «%1» es el archivo de configuración que Korvo usa siempre y conserva su nombre</translation>
    </message>
    <message>
        <source>the set &quot;%1&quot; is the settings file Korvo always uses and cannot be deleted</source>
        <translation>el conjunto «%1» es el archivo de configuración que Korvo usa siempre y no se puede eliminar</translation>
    </message>
    <message>
        <source>the set was deleted, its companion file &quot;%1&quot; not: %2</source>
        <translation>se eliminó el conjunto, pero no su archivo complementario «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file of %2 lines</source>
        <translation>«%1» no es un archivo de configuración de %2 líneas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the set&apos;s own file</source>
        <translation>«%1» es el propio archivo del conjunto</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>The address was</source>
        <translation>La dirección</translation>
    </message>
    <message>
        <source>DHCP was</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The change was</source>
        <translation>El cambio</translation>
    </message>
    <message>
        <source>The network configuration service failed: %1</source>
        <translation>El servicio de configuración de red falló: %1</translation>
    </message>
    <message>
        <source>The network interface -%1- %2.</source>
        <translation>La interfaz de red -%1- %2.</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>no se encontró</translation>
    </message>
    <message>
        <source>The IP configuration for the following interface has been changed </source>
        <translation>Se cambió la configuración IP de la siguiente interfaz </translation>
    </message>
    <message>
        <source>The adapter&apos;s address was changed, but the network service refused some settings.</source>
        <translation>La dirección del adaptador se cambió, pero el servicio de red rechazó algunos valores.</translation>
    </message>
    <message>
        <source>The new settings were saved for the adapter, but they are not in effect yet: they take effect the next time it is connected.</source>
        <translation>Los nuevos valores se guardaron para el adaptador, pero aún no están en vigor: se aplicarán la próxima vez que se conecte.</translation>
    </message>
    <message>
        <source>Please Check these details and fix the problem</source>
        <translation>Revise estos datos y corrija el problema</translation>
    </message>
    <message>
        <source>There has been an error and the IP settings could not be changed.</source>
        <translation>Se produjo un error y no se pudo cambiar la configuración IP.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Gateway   </source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Primary DNS </source>
        <translation>DNS principal</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secundario</translation>
    </message>
    <message>
        <source>Primary WINS </source>
        <translation>WINS principal</translation>
    </message>
    <message>
        <source>Secondary WINS</source>
        <translation>WINS secundario</translation>
    </message>
    <message>
        <source>Configuration Applied</source>
        <translation>Configuración aplicada</translation>
    </message>
    <message>
        <source>Configuration Error!</source>
        <translation>¡Error de configuración!</translation>
    </message>
    <message>
        <source>Error Applying Configuration</source>
        <translation>Error al aplicar la configuración</translation>
    </message>
    <message>
        <source>%1 refused (%2).</source>
        <translation>%1: rechazo del servicio (%2).</translation>
    </message>
    <message>
        <source>The gateway was</source>
        <translation>La puerta de enlace</translation>
    </message>
    <message>
        <source>The WINS servers were</source>
        <translation>Los servidores WINS</translation>
    </message>
    <message>
        <source>The DNS servers were</source>
        <translation>Los servidores DNS</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Sin establecer</translation>
    </message>
    <message>
        <source>%1 not set: this platform has none.</source>
        <translation>%1: sin establecer, esta plataforma no lo admite.</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Restart the computer to complete the change.</source>
        <translation>Reinicie el equipo para completar el cambio.</translation>
    </message>
    <message>
        <source>The adapter&apos;s cable is not connected: the values are saved and take effect when the cable is connected.</source>
        <translation>El cable del adaptador no está conectado: los valores se guardaron y se aplicarán cuando se conecte el cable.</translation>
    </message>
    <message>
        <source>The network configuration service failed before the rest was set: %1</source>
        <translation>El servicio de configuración de red falló antes de establecer el resto: %1</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignorado</translation>
    </message>
    <message>
        <source>not supported on this platform</source>
        <translation>no compatible con esta plataforma</translation>
    </message>
    <message>
        <source>the service failed</source>
        <translation>el servicio falló</translation>
    </message>
    <message>
        <source>invalid subnet mask</source>
        <translation>máscara de subred no válida</translation>
    </message>
    <message>
        <source>invalid IP address</source>
        <translation>dirección IP no válida</translation>
    </message>
    <message>
        <source>invalid gateway</source>
        <translation>puerta de enlace no válida</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>acceso denegado</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>código %1</translation>
    </message>
    <message>
        <source>Changing the network needs administrator rights.</source>
        <translation>Para cambiar la red se necesitan derechos de administrador.</translation>
    </message>
    <message>
        <source>Changing the network needs more rights than this account has.</source>
        <translation>Para cambiar la red se necesitan más derechos de los que tiene esta cuenta.</translation>
    </message>
    <message>
        <source>There has been an error, and it is not known whether the IP settings were changed.</source>
        <translation>Se ha producido un error y no se sabe si se cambió la configuración IP.</translation>
    </message>
    <message>
        <source>The adapter could not be read back: %1</source>
        <translation>No se pudo volver a leer el adaptador: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1: %2 asked, %3 in effect.</source>
        <translation>%1: %2 solicitado, %3 en vigor.</translation>
    </message>
    <message>
        <source>The adapter does not have all the settings asked for: the values shown are in effect.</source>
        <translation>El adaptador no tiene todos los ajustes solicitados: los valores mostrados son los que están en vigor.</translation>
    </message>
    <message>
        <source>The gateway %1 answers.</source>
        <translation>La puerta de enlace %1 responde.</translation>
    </message>
    <message>
        <source>The gateway %1 does not answer.</source>
        <translation>La puerta de enlace %1 no responde.</translation>
    </message>
    <message>
        <source>%1 is in use already: the host %2 answered for it on -%3-. Nothing was changed.</source>
        <translation>%1 ya está en uso: el equipo %2 respondió por ella en -%3-. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Whether %1 was free on the network was not checked: %2.</source>
        <translation>No se comprobó si %1 estaba libre en la red: %2.</translation>
    </message>
    <message>
        <source>The way back prepared before the change could not be given up, so it may undo the change: %1</source>
        <translation>No se pudo descartar la vuelta atrás preparada antes del cambio, así que puede deshacerlo: %1</translation>
    </message>
    <message>
        <source>The IP settings were not changed.</source>
        <translation>La configuración IP no se ha cambiado.</translation>
    </message>
    <message>
        <source>Configuration Not Applied</source>
        <translation>Configuración no aplicada</translation>
    </message>
    <message>
        <source>no network configuration service is available on this system</source>
        <translation>no hay ningún servicio de configuración de red disponible en este sistema</translation>
    </message>
    <message>
        <source>the service gave no connection</source>
        <translation>el servicio no proporcionó ninguna conexión</translation>
    </message>
    <message>
        <source>%1, now named %2</source>
        <translation>%1, ahora llamado %2</translation>
    </message>
    <message>
        <source>-%1-, now named -%2-, was found by its hardware address %3.</source>
        <translation>-%1-, ahora llamado -%2-, se encontró por su dirección de hardware %3.</translation>
    </message>
    <message>
        <source>More addresses: %1 asked, %2 in effect.</source>
        <translation>Direcciones adicionales: %1 solicitado, %2 en vigor.</translation>
    </message>
    <message>
        <source>More addresses: %1</source>
        <translation>Direcciones adicionales: %1</translation>
    </message>
    <message>
        <source>not available on this platform</source>
        <translation>no disponible en esta plataforma</translation>
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
        <translation>la dirección</translation>
    </message>
    <message>
        <source>the gateway</source>
        <translation>la puerta de enlace</translation>
    </message>
    <message>
        <source>the DNS servers</source>
        <translation>los servidores DNS</translation>
    </message>
    <message>
        <source>the change</source>
        <translation>el cambio</translation>
    </message>
    <message>
        <source>%1: %2 was refused (%3)</source>
        <translation>%1: se rechazó %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 ya no existe</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sin dirección</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>puerta de enlace %1</translation>
    </message>
    <message>
        <source>The previous settings could not be put back: %1</source>
        <translation>No se pudo restablecer la configuración anterior: %1</translation>
    </message>
    <message>
        <source>The gateway %1 did not answer after the change, so the previous settings were put back.</source>
        <translation>La puerta de enlace %1 no respondió tras el cambio, así que se restableció la configuración anterior.</translation>
    </message>
    <message>
        <source>Restored %1: %2</source>
        <translation>%1 restaurado: %2</translation>
    </message>
    <message>
        <source>%1 was not restored: it had %2 and has %3</source>
        <translation>%1 no se restauró: tenía %2 y tiene %3</translation>
    </message>
    <message>
        <source>nothing Korvo can read</source>
        <translation>nada que Korvo pueda leer</translation>
    </message>
    <message>
        <source>the service does not say what %1 has now, so it could not be put back</source>
        <translation>el servicio no indica qué tiene %1 ahora, así que no se podría restablecer</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>&quot;%1&quot; is a symbolic link owned by another user (uid %2), and Korvo running as root does not write through it</source>
        <translation>«%1» es un enlace simbólico de otro usuario (uid %2), y Korvo, ejecutado como root, no escribe a través de él</translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; could not be followed</source>
        <translation>no se pudo seguir el enlace simbólico «%1»</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>no se pudo escribir el archivo completo</translation>
    </message>
    <message>
        <source>; the previous settings could not be put back either: %1</source>
        <translation>; tampoco se pudo restaurar la configuración anterior: %1</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>it is not a settings file of %1 lines (it may be corrupt) and was left as it is</source>
        <translation>no es un archivo de configuración de %1 líneas (puede estar dañado) y se dejó como estaba</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; contains a line break or a NUL character</source>
        <translation>el valor «%1» contiene un salto de línea o un carácter NUL</translation>
    </message>
    <message>
        <source>a value contains characters that cannot be stored</source>
        <translation>un valor contiene caracteres que no se pueden guardar</translation>
    </message>
    <message>
        <source>the settings are larger than %1 KiB</source>
        <translation>la configuración ocupa más de %1 KiB</translation>
    </message>
    <message>
        <source>its folder may not be written to, and no copy of it could be kept first in &quot;%1&quot; (%2), without which a save cut short would empty it</source>
        <translation>no se puede escribir en su carpeta, y no se pudo guardar antes una copia en «%1» (%2), sin la cual un guardado interrumpido la dejaría vacía</translation>
    </message>
    <message>
        <source>no data folder</source>
        <translation>no hay carpeta de datos</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>it is not written in UTF-8</source>
        <translation>no está escrito en UTF-8</translation>
    </message>
</context>
<context>
    <name>StopDuringApply</name>
    <message>
        <source>korvo: stopped by %1 while the change is under way; waiting for the network service&apos;s answer (at most %2 s) before ending.</source>
        <translation>korvo: detenido por %1 mientras el cambio está en curso; se espera la respuesta del servicio de red (como mucho %2 s) antes de terminar.</translation>
    </message>
    <message>
        <source>korvo: the network service did not answer within %1 s; ending without its answer.</source>
        <translation>korvo: el servicio de red no respondió en %1 s; se termina sin su respuesta.</translation>
    </message>
    <message>
        <source>The change may be only partly made: the adapter&apos;s saved settings and those in effect can differ until a profile is applied again.</source>
        <translation>El cambio puede haberse hecho solo en parte: los valores guardados del adaptador y los que están en vigor pueden diferir hasta que se vuelva a aplicar un perfil.</translation>
    </message>
</context>
<context>
    <name>korvo::AdapterStates</name>
    <message>
        <source>Click this button to use these settings</source>
        <translation>Pulse este botón para usar esta configuración</translation>
    </message>
    <message>
        <source>%1
In effect on %2</source>
        <translation>%1
En uso en %2</translation>
    </message>
    <message>
        <source>Applies %1; no adapter is chosen for it.</source>
        <translation>Aplica %1; no hay ningún adaptador elegido para este perfil.</translation>
    </message>
    <message>
        <source>Applies %1 to %2. In effect now.</source>
        <translation>Aplica %1 a %2. En uso ahora.</translation>
    </message>
    <message>
        <source>Applies %1 to %2.</source>
        <translation>Aplica %1 a %2.</translation>
    </message>
    <message>
        <source>%1: not there now
Unplugged, switched off or renamed.
Profiles that use it keep it.</source>
        <translation>%1: no está presente ahora
Desconectado, apagado o renombrado.
Los perfiles que lo usan lo conservan.</translation>
    </message>
</context>
<context>
    <name>korvo::ApplyRun</name>
    <message>
        <source>Korvo: asked to end (%1) while a change to the network is under way; waiting for the network service&apos;s answer (at most %2 s) before ending.</source>
        <translation>Korvo: se pidió terminar (%1) mientras hay un cambio de red en curso; se espera la respuesta del servicio de red (como mucho %2 s) antes de terminar.</translation>
    </message>
    <message>
        <source>Korvo: the network service did not answer within %1 s; ending without its answer.</source>
        <translation>Korvo: el servicio de red no respondió en %1 s; se termina sin su respuesta.</translation>
    </message>
    <message>
        <source>The change may be only partly made: the adapter&apos;s saved settings and those in effect can differ until a profile is applied again.</source>
        <translation>El cambio puede haberse hecho solo en parte: los valores guardados del adaptador y los que están en vigor pueden diferir hasta que se vuelva a aplicar un perfil.</translation>
    </message>
    <message>
        <source>Korvo: the apply under way has finished; ending now. The outcome:</source>
        <translation>Korvo: la aplicación en curso ha terminado; se termina ahora. El resultado:</translation>
    </message>
</context>
<context>
    <name>korvo::Form1</name>
    <message>
        <source>Korvo  Version %1</source>
        <translation>Korvo  Versión %1</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Ayuda (F1)</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Revisión %1</translation>
    </message>
    <message>
        <source>EULA accepted</source>
        <translation>CLUF aceptado</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Korvo read it. Overwrite it?</source>
        <translation>Otro programa cambió %1 después de que Korvo lo leyera. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>no se pudo crear su carpeta</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la configuración en «%1»: %2</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Vaya</translation>
    </message>
    <message>
        <source>Please select an Interface first!!</source>
        <translation>¡¡Seleccione primero una interfaz!!</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>the window&apos;s close box</source>
        <translation>el botón de cierre de la ventana</translation>
    </message>
    <message>
        <source>the tray&apos;s Exit</source>
        <translation>«Salir» de la bandeja del sistema</translation>
    </message>
    <message>
        <source>The profile set &quot;%1&quot; has changes that are not saved. Save them first?

No keeps them in the window and does nothing else.</source>
        <translation>El conjunto de perfiles «%1» tiene cambios sin guardar. ¿Guardarlos primero?

No los mantiene en la ventana y no hace nada más.</translation>
    </message>
    <message>
        <source>the more addresses and hardware addresses could not be written to %1: %2</source>
        <translation>las direcciones adicionales y las direcciones de hardware no se pudieron escribir en %1: %2</translation>
    </message>
    <message>
        <source>A pending rollback covers %1: it will undo this change in %2 seconds, when %3 expires, unless that is kept first.</source>
        <translation>Una reversión pendiente afecta a %1: deshará este cambio dentro de %2 segundos, cuando caduque %3, salvo que antes se conserve.</translation>
    </message>
    <message>
        <source>A pending rollback covers %1: it will undo this change if %2 is rolled back.</source>
        <translation>Una reversión pendiente afecta a %1: deshará este cambio si %2 se revierte.</translation>
    </message>
    <message>
        <source>These settings are kept.</source>
        <translation>Se conserva esta configuración.</translation>
    </message>
    <message>
        <source>These settings could not be kept: %1</source>
        <translation>No se pudo conservar esta configuración: %1</translation>
    </message>
</context>
<context>
    <name>korvo::Form3</name>
    <message>
        <source>Korvo EULA</source>
        <translation>Contrato de licencia de Korvo</translation>
    </message>
    <message>
        <source>I have read, understood and fully accept all of the terms and conditions in this End User Licence Agreement.</source>
        <translation>He leído y comprendido todos los términos y condiciones de este contrato de licencia de usuario final y los acepto plenamente.</translation>
    </message>
    <message>
        <source>I do not wish to use this utility and would like to exit now.</source>
        <translation>No deseo usar esta utilidad y quiero salir ahora.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>korvo::Form4</name>
    <message>
        <source>Applying Configuration</source>
        <translation>Aplicando la configuración</translation>
    </message>
    <message>
        <source>Please wait a moment...</source>
        <translation>Espere un momento...</translation>
    </message>
    <message>
        <source>This configuration is being applied.</source>
        <translation>Se está aplicando esta configuración.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>Conservar esta configuración</translation>
    </message>
    <message>
        <source>The gateway answered before the change and does not answer now. Unless you keep these settings, the previous ones come back in %1 s.</source>
        <translation>La puerta de enlace respondía antes del cambio y ahora no responde. Si no conserva esta configuración, la anterior vuelve en %1 s.</translation>
    </message>
</context>
<context>
    <name>korvo::HelpPage</name>
    <message>
        <source>Korvo Help</source>
        <translation>Ayuda de Korvo</translation>
    </message>
    <message>
        <source>The help file &quot;KorvoHelp.chm&quot; was not found in %1.</source>
        <translation>No se encontró el archivo de ayuda «KorvoHelp.chm» en %1.</translation>
    </message>
    <message>
        <source>No program on this computer could open the help file %1.</source>
        <translation>Ningún programa de este equipo pudo abrir el archivo de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>korvo::MoreAddressesBox</name>
    <message>
        <source>Static addresses kept beside the DHCP lease, each with its prefix length, separated by blanks: %1</source>
        <translation>Direcciones estáticas junto a la concesión DHCP, cada una con su longitud de prefijo, separadas por espacios: %1</translation>
    </message>
    <message>
        <source>Addresses given after the IP address, each with its prefix length, separated by blanks: %1</source>
        <translation>Direcciones asignadas después de la dirección IP, cada una con su longitud de prefijo, separadas por espacios: %1</translation>
    </message>
    <message>
        <source>More addresses</source>
        <translation>Direcciones adicionales</translation>
    </message>
</context>
<context>
    <name>korvo::NetworkManager</name>
    <message>
        <source>is not managed by NetworkManager</source>
        <translation>no está gestionada por NetworkManager</translation>
    </message>
    <message>
        <source>NetworkManager is not running.</source>
        <translation>NetworkManager no se está ejecutando.</translation>
    </message>
    <message>
        <source>NetworkManager refused permission.</source>
        <translation>NetworkManager denegó el permiso.</translation>
    </message>
    <message>
        <source>The connection to the system bus was lost.</source>
        <translation>Se perdió la conexión con el bus del sistema.</translation>
    </message>
    <message>
        <source>The network device or its profile no longer exists.</source>
        <translation>El dispositivo de red o su perfil ya no existe.</translation>
    </message>
    <message>
        <source>NetworkManager could not activate the adapter with them.</source>
        <translation>NetworkManager no pudo activar el adaptador con ellos.</translation>
    </message>
    <message>
        <source>Changing the network needs root or NetworkManager&apos;s polkit permission %1; an administrator can grant it with a polkit rule, for example by copying /usr/share/korvo/polkit/50-korvo.rules to /etc/polkit-1/rules.d/ and adding you to the group it names.</source>
        <translation>Para cambiar la red se necesita root o el permiso de polkit %1 de NetworkManager; un administrador puede concederlo con una regla de polkit, por ejemplo copiando /usr/share/korvo/polkit/50-korvo.rules en /etc/polkit-1/rules.d/ y añadiéndole a usted al grupo que nombra.</translation>
    </message>
    <message>
        <source>NetworkManager did not answer in time.</source>
        <translation>NetworkManager no respondió a tiempo.</translation>
    </message>
    <message>
        <source>NetworkManager went away before it answered: it stopped or crashed.</source>
        <translation>NetworkManager desapareció antes de responder: se detuvo o se bloqueó.</translation>
    </message>
    <message>
        <source>NetworkManager was still waiting for authorization (a password prompt, for one) when Korvo stopped waiting; answering a prompt that is still open would make the change after all.</source>
        <translation>NetworkManager aún esperaba una autorización (una solicitud de contraseña, por ejemplo) cuando Korvo dejó de esperar; responder a una solicitud que siga abierta haría el cambio de todos modos.</translation>
    </message>
    <message>
        <source>Nobody answered the password prompt in time; Korvo has withdrawn it.</source>
        <translation>Nadie respondió a tiempo a la solicitud de contraseña; Korvo la ha retirado.</translation>
    </message>
    <message>
        <source>The adapter&apos;s cable is not connected, and its profile does not connect by itself: connect it once the cable is plugged in.</source>
        <translation>El cable del adaptador no está conectado y su perfil no se conecta por sí solo: conéctelo cuando el cable esté enchufado.</translation>
    </message>
    <message>
        <source>Korvo does not see the adapter %1 where it runs</source>
        <translation>Korvo no ve el adaptador %1 donde se ejecuta</translation>
    </message>
    <message>
        <source>the kernel&apos;s neighbour table could not be read</source>
        <translation>no se pudo leer la tabla de vecinos del núcleo</translation>
    </message>
    <message>
        <source>arping is not installed</source>
        <translation>arping no está instalado</translation>
    </message>
    <message>
        <source>arping could not be started</source>
        <translation>no se pudo iniciar arping</translation>
    </message>
    <message>
        <source>arping failed</source>
        <translation>arping falló</translation>
    </message>
    <message>
        <source>%1 is not an IPv4 address</source>
        <translation>%1 no es una dirección IPv4</translation>
    </message>
    <message>
        <source>the adapter&apos;s cable is not connected</source>
        <translation>el cable del adaptador no está conectado</translation>
    </message>
    <message>
        <source>its time was up: NetworkManager had already rolled it back</source>
        <translation>su tiempo se había agotado: NetworkManager ya lo había revertido</translation>
    </message>
    <message>
        <source>NetworkManager could not restore %1</source>
        <translation>NetworkManager no pudo restablecer %1</translation>
    </message>
    <message>
        <source>NetworkManager refused %1: permission denied</source>
        <translation>NetworkManager rechazó %1: permiso denegado</translation>
    </message>
    <message>
        <source>NetworkManager refused %1</source>
        <translation>NetworkManager rechazó %1</translation>
    </message>
    <message>
        <source>NetworkManager published no manager object</source>
        <translation>NetworkManager no publicó ningún objeto gestor</translation>
    </message>
    <message>
        <source>the adapter is not one of NetworkManager&apos;s</source>
        <translation>el adaptador no es de NetworkManager</translation>
    </message>
    <message>
        <source>a checkpoint needs at least one adapter</source>
        <translation>un punto de control necesita al menos un adaptador</translation>
    </message>
    <message>
        <source>NetworkManager refused CheckpointCreate%1 (%2: %3)</source>
        <translation>NetworkManager rechazó CheckpointCreate%1 (%2: %3)</translation>
    </message>
    <message>
        <source>: permission denied; a checkpoint needs root or NetworkManager&apos;s polkit permission org.freedesktop.NetworkManager.checkpoint-rollback, which Korvo&apos;s example polkit rule grants</source>
        <translation>: permiso denegado; un punto de control necesita root o el permiso de polkit org.freedesktop.NetworkManager.checkpoint-rollback de NetworkManager, que concede la regla de polkit de ejemplo de Korvo</translation>
    </message>
    <message>
        <source>cannot connect to the system bus: %1</source>
        <translation>no se puede conectar al bus del sistema: %1</translation>
    </message>
    <message>
        <source>NetworkManager refused %1: %2</source>
        <translation>NetworkManager rechazó %1: %2</translation>
    </message>
    <message>
        <source>Putting them into effect was refused: %1</source>
        <translation>Se rechazó ponerlos en vigor: %1</translation>
    </message>
    <message>
        <source>%1&apos;s saved profile was put back as it was before the apply.</source>
        <translation>El perfil guardado de %1 se restableció tal como estaba antes de aplicar.</translation>
    </message>
    <message>
        <source>NetworkManager saved the new settings in %1&apos;s profile but has not put them into effect, nor answered Korvo&apos;s request to put the profile back: until it does, %1 keeps its previous settings while its profile holds the new ones, which its next connection brings. Applying a profile again sets both.</source>
        <translation>NetworkManager guardó los nuevos valores en el perfil de %1 pero no los puso en vigor ni respondió a la petición de Korvo de restablecer el perfil: hasta que lo haga, %1 conserva sus valores anteriores mientras su perfil contiene los nuevos, que traerá su próxima conexión. Volver a aplicar un perfil establece ambos.</translation>
    </message>
    <message>
        <source>NetworkManager has not answered the saving of %1&apos;s new settings: Korvo has asked it to keep the profile as it was, and could not see that done.</source>
        <translation>NetworkManager no respondió al guardado de los nuevos valores de %1: Korvo le pidió conservar el perfil como estaba y no pudo ver que se hiciera.</translation>
    </message>
    <message>
        <source>%1&apos;s saved profile could not be put back: %2</source>
        <translation>No se pudo restablecer el perfil guardado de %1: %2</translation>
    </message>
</context>
<context>
    <name>korvo::ProfileTab</name>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Pasarela</translation>
    </message>
    <message>
        <source>DNS-Primary</source>
        <translation>DNS principal</translation>
    </message>
    <message>
        <source>DNS-Secondary</source>
        <translation>DNS secundario</translation>
    </message>
    <message>
        <source>WINS-Primary</source>
        <translation>WINS principal</translation>
    </message>
    <message>
        <source>WINS-Secondary</source>
        <translation>WINS secundario</translation>
    </message>
    <message>
        <source>Select a Network Interface</source>
        <translation>Seleccione una interfaz de red</translation>
    </message>
    <message>
        <source>Button Name</source>
        <translation>Nombre del botón</translation>
    </message>
    <message>
        <source>DNS via DHCP</source>
        <translation>DNS por DHCP</translation>
    </message>
    <message>
        <source>WINS via DHCP</source>
        <translation>WINS por DHCP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Perfil %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>tab caption, heading of a box</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Use this adapter&apos;s current settings</source>
        <translation>Usar la configuración actual de este adaptador</translation>
    </message>
    <message>
        <source>Korvo does not know this adapter&apos;s current settings: it is not listed now, or the network service has not answered.</source>
        <translation>Korvo no conoce la configuración actual de este adaptador: no figura en la lista ahora o el servicio de red no ha respondido.</translation>
    </message>
    <message>
        <source>This adapter has no IPv4 address now.</source>
        <translation>Este adaptador no tiene ninguna dirección IPv4 ahora.</translation>
    </message>
</context>
<context>
    <name>korvo::SetChooser</name>
    <message>
        <source>Set:</source>
        <translation>Conjunto:</translation>
    </message>
    <message>
        <source>Profile set</source>
        <translation>Conjunto de perfiles</translation>
    </message>
    <message>
        <source>The profile set shown and applied: each set is a settings file of its own</source>
        <translation>El conjunto de perfiles mostrado y aplicado: cada conjunto es un archivo de configuración propio</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Conjuntos</translation>
    </message>
    <message>
        <source>Manage profile sets</source>
        <translation>Administrar conjuntos de perfiles</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Nuevo…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renombrar…</translation>
    </message>
    <message>
        <source>Duplicate…</source>
        <translation>Duplicar…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Nombre del conjunto:</translation>
    </message>
    <message>
        <source>The set chosen could not be remembered for the next start: %1</source>
        <translation>No se pudo recordar el conjunto elegido para el próximo inicio: %1</translation>
    </message>
    <message>
        <source>New profile set</source>
        <translation>Nuevo conjunto de perfiles</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>No se pudo crear el conjunto: %1</translation>
    </message>
    <message>
        <source>Rename profile set</source>
        <translation>Renombrar el conjunto de perfiles</translation>
    </message>
    <message>
        <source>The set could not be renamed: %1</source>
        <translation>No se pudo renombrar el conjunto: %1</translation>
    </message>
    <message>
        <source>Duplicate profile set</source>
        <translation>Duplicar el conjunto de perfiles</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 copia</translation>
    </message>
    <message>
        <source>The set could not be duplicated: %1</source>
        <translation>No se pudo duplicar el conjunto: %1</translation>
    </message>
    <message>
        <source>Delete the profile set &quot;%1&quot; with all its profiles? This cannot be undone.</source>
        <translation>¿Eliminar el conjunto de perfiles «%1» con todos sus perfiles? No se puede deshacer.</translation>
    </message>
    <message>
        <source>The set could not be deleted: %1</source>
        <translation>No se pudo eliminar el conjunto: %1</translation>
    </message>
    <message>
        <source>Import a profile set</source>
        <translation>Importar un conjunto de perfiles</translation>
    </message>
    <message>
        <source>Korvo settings (*.ini);;All files (*)</source>
        <translation>Configuración de Korvo (*.ini);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The set could not be imported: %1</source>
        <translation>No se pudo importar el conjunto: %1</translation>
    </message>
    <message>
        <source>Export the profile set &quot;%1&quot;</source>
        <translation>Exportar el conjunto de perfiles «%1»</translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>No se pudo exportar el conjunto: %1</translation>
    </message>
</context>
<context>
    <name>korvo::StartUp</name>
    <message>
        <source>Woops</source>
        <translation>Vaya</translation>
    </message>
    <message>
        <source>Error while reading the ini file, it may be corrupt.</source>
        <translation>Error al leer el archivo ini; puede estar dañado.</translation>
    </message>
</context>
<context>
    <name>korvo::Tray</name>
    <message>
        <source>Show Korvo</source>
        <translation>Mostrar Korvo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Korvo</source>
        <translation>Korvo</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sin dirección</translation>
    </message>
    <message>
        <source>%1 by DHCP</source>
        <comment>addresses</comment>
        <translation>%1 por DHCP</translation>
    </message>
    <message>
        <source>%1: %2, no profile in effect</source>
        <comment>adapter, addresses</comment>
        <translation>%1: %2, ningún perfil en vigor</translation>
    </message>
    <message>
        <source>%1: %2, in effect: %3</source>
        <comment>adapter, addresses, profiles</comment>
        <translation>%1: %2, en vigor: %3</translation>
    </message>
    <message>
        <source>Profile set</source>
        <translation>Conjunto de perfiles</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The terms could not be accepted in &quot;%1&quot;: %2</source>
        <translation>No se pudieron aceptar las condiciones en «%1»: %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la configuración en «%1»: %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 se ha dado más de una vez</translation>
    </message>
    <message>
        <source>korvo: the window could not be loaded: %1</source>
        <translation>korvo: no se pudo cargar la ventana: %1</translation>
    </message>
    <message>
        <source>korvo: %1 (korvo --help lists the options)</source>
        <translation>korvo: %1 (korvo --help muestra las opciones)</translation>
    </message>
    <message>
        <source>Read and save the settings in FILE instead of Korvo.ini in the usual place.</source>
        <translation>Leer y guardar la configuración en ARCHIVO en lugar de Korvo.ini en el lugar habitual.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Accept the terms of use and save the settings file without showing a window, print its path and end.</source>
        <translation>Aceptar las condiciones de uso y guardar el archivo de configuración sin mostrar ninguna ventana, mostrar su ruta y terminar.</translation>
    </message>
    <message>
        <source>Print the seven profiles as their buttons apply them, one per line (number, button name, adapter, the seven addresses), tab-separated.</source>
        <translation>Mostrar los siete perfiles tal como los aplican sus botones, uno por línea (número, nombre del botón, adaptador, las siete direcciones), separados por tabulaciones.</translation>
    </message>
    <message>
        <source>Print the adapters and their current IPv4 settings.</source>
        <translation>Mostrar los adaptadores y su configuración IPv4 actual.</translation>
    </message>
    <message>
        <source>Apply a profile as its button does: a number 1 to 7 (7 is DHCP) or a button name. Exit status: 0 applied, 1 invalid values, no adapter chosen or no usable settings file, 2 the service refused or failed, 3 rolled back, 64 usage error.</source>
        <translation>Aplicar un perfil como lo hace su botón: un número del 1 al 7 (7 es DHCP) o un nombre de botón. Estado de salida: 0 aplicado, 1 valores no válidos, ningún adaptador elegido o ningún archivo de configuración utilizable, 2 el servicio rechazó o falló, 3 revertido, 64 error de uso.</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PERFIL</translation>
    </message>
    <message>
        <source>With --apply: roll the change back after SECONDS unless it is confirmed on the terminal.</source>
        <translation>Con --apply: revertir el cambio tras SEGUNDOS salvo que se confirme en el terminal.</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SEGUNDOS</translation>
    </message>
    <message>
        <source>Switches a network adapter&apos;s IPv4 configuration between stored profiles.</source>
        <translation>Cambia la configuración IPv4 de un adaptador de red entre perfiles guardados.</translation>
    </message>
    <message>
        <source>--settings needs a file name</source>
        <translation>--settings necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--rollback goes with --apply</source>
        <translation>--rollback se usa con --apply</translation>
    </message>
    <message>
        <source>--rollback takes a number of seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--rollback espera un número de segundos del 1 al 86400, no «%1»</translation>
    </message>
    <message>
        <source>korvo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>korvo: no hay pantalla donde mostrar la ventana (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
    <message>
        <source>the end of the session</source>
        <translation>el fin de la sesión</translation>
    </message>
    <message>
        <source>With --list, --adapters or --sets: print a JSON array; with --apply, the outcome as a JSON object.</source>
        <translation>Con --list, --adapters o --sets: mostrar una matriz JSON; con --apply, el resultado como objeto JSON.</translation>
    </message>
    <message>
        <source>Print the profile sets, one per line (name, settings file, &quot;chosen&quot; for the set the window uses, else &quot;-&quot;), tab-separated.</source>
        <translation>Mostrar los conjuntos de perfiles, uno por línea (nombre, archivo de configuración, «chosen» para el conjunto que usa la ventana, si no «-»), separados por tabuladores.</translation>
    </message>
    <message>
        <source>With --list, --apply or --adapters: use the profile set NAME instead of the set chosen last in the window. An unknown set is a usage error.</source>
        <translation>Con --list, --apply o --adapters: usar el conjunto de perfiles NOMBRE en lugar del último elegido en la ventana. Un conjunto desconocido es un error de uso.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>give exactly one of --list, --adapters, --apply and --sets</source>
        <translation>indique exactamente una de --list, --adapters, --apply y --sets</translation>
    </message>
    <message>
        <source>--set goes with --list, --apply or --adapters</source>
        <translation>--set va con --list, --apply o --adapters</translation>
    </message>
    <message>
        <source>--set needs a set&apos;s name</source>
        <translation>--set necesita el nombre de un conjunto</translation>
    </message>
</context>
</TS>
