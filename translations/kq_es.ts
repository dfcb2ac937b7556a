<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Predicts a baby&apos;s gender by the Chinese pregnancy calendar, for fun.
Choose the mother&apos;s date of birth and the date of conception in the window that opens.</source>
        <translation>Predice el sexo del bebé con el calendario chino de embarazo, por diversión.
Elige la fecha de nacimiento de la madre y la fecha de concepción
en la ventana que se abre.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Prueba &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
    <message>
        <source>Offers the years 1901 to 2099 for the conception (1856 to 2099 for the mother&apos;s birth) and opens on today&apos;s date. The lunar months outside 1960 to 2012 come from the official Chinese calendar.</source>
        <translation>Ofrece los años 1901 a 2099 para la concepción (1856 a 2099 para el nacimiento de la madre) y abre en la fecha de hoy. Los meses lunares fuera de 1960 a 2012 salen del calendario chino oficial.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no está definida ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>no está definida DISPLAY</translation>
    </message>
    <message>
        <source>the window system could not be reached (DISPLAY is not set)</source>
        <translation>no se pudo conectar con el sistema de ventanas (no está definida DISPLAY)</translation>
    </message>
    <message>
        <source>the window system could not be reached (DISPLAY=%1)</source>
        <translation>no se pudo conectar con el sistema de ventanas (DISPLAY=%1)</translation>
    </message>
    <message>
        <source>cannot open a display: %1; this program needs a graphical desktop</source>
        <translation>no se puede abrir una pantalla: %1; este programa necesita un escritorio gráfico</translation>
    </message>
</context>
<context>
    <name>kq::AdvertWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>kq::LinkLabel</name>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
</context>
<context>
    <name>kq::StartProgram</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>kq::Texts</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa: crea tu propio negocio en Internet y gana dinero en línea. Ofrece este programa con la marca de tu sitio web. Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Pon tu marca junto a la nuestra en este programa y gana fidelidad y tráfico: aquí irán el nombre y el enlace de tu sitio. Detalles en «Ayuda». Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Although KQ Rurevir Ivideruzi Zuduzire is said to very accurate and have a high success rate, but the program is solely a bit of fun and entertainment. Just enjoy it!</source>
        <translation>Aunque se dice que KQ Rurevir Ivideruzi Zuduzire es muy preciso y acierta a menudo, el programa es solo un juego para pasar un buen rato. ¡Disfrútalo!</translation>
    </message>
    <message>
        <source>Visit our discussion forum at %1</source>
        <translation>Visita nuestro foro de debate en %1</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Visítanos en %1</translation>
    </message>
</context>
<context>
    <name>kq::frmAbout</name>
    <message>
        <source>Application icon</source>
        <translation>Icono de la aplicación</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Closes the about box</source>
        <translation>Cierra la ventana «Acerca de»</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Negocio desde casa: crea tu propio negocio en Internet y gana dinero en línea. Ofrece este programa con tu marca. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Más detalles aquí.</translation>
    </message>
    <message>
        <source>KQ Rurevir Ivideruzi Zuduzire is an interesting program based on the theory of the Chinese Lunar Calendar. Also known as the Chinese Gender Calendar, this calendar was supposedly discovered by a Chinese Scientist about 700 years ago. This program helps the would-be mother to determine the sex of her child on the basis on her own birthday and conception day.</source>
        <translation>KQ Rurevir Ivideruzi Zuduzire es un programa curioso basado en el calendario lunar chino. Este calendario chino de embarazo lo habría descubierto un científico chino hace unos 700 años. El programa ayuda a la futura mamá a conocer el sexo de su bebé a partir de su fecha de nacimiento y de la fecha de concepción.</translation>
    </message>
</context>
<context>
    <name>kq::frmDisplay</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Returns to the date entry</source>
        <translation>Vuelve a la elección de las fechas</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age</source>
        <translation>Edad lunar de la madre</translation>
    </message>
    <message>
        <source>Predicted gender of the baby</source>
        <translation>Sexo previsto del bebé</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese Age is</source>
        <translation>Edad lunar de la madre:</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Predicción</translation>
    </message>
    <message>
        <source>Color For Baby is</source>
        <translation>Color del bebé:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese Age is %1. %2</source>
        <translation>La edad lunar de la madre es %1. %2</translation>
    </message>
</context>
<context>
    <name>kq::frmMain</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>--Date Of Conception Of The Child----</source>
        <translation>--Fecha de concepción----</translation>
    </message>
    <message>
        <source>Date of conception, day</source>
        <translation>Fecha de concepción, día</translation>
    </message>
    <message>
        <source>Date of conception, month</source>
        <translation>Fecha de concepción, mes</translation>
    </message>
    <message>
        <source>Date of conception, year</source>
        <translation>Fecha de concepción, año</translation>
    </message>
    <message>
        <source>-----Date Of Birth Of The Mother------</source>
        <translation>-----Nacimiento de la madre------</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, day</source>
        <translation>Fecha de nacimiento de la madre, día</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, month</source>
        <translation>Fecha de nacimiento de la madre, mes</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, year</source>
        <translation>Fecha de nacimiento de la madre, año</translation>
    </message>
    <message>
        <source>&amp;Get My Baby&apos;s Gender</source>
        <translation>&amp;Predecir el sexo de mi bebé</translation>
    </message>
    <message>
        <source>Predicts the baby&apos;s gender from the two dates</source>
        <translation>Predice el sexo del bebé a partir de las dos fechas</translation>
    </message>
    <message>
        <source>KQ Rurevir Ivideruzi Zuduzire is both an interesting as well as an informative tool which helps you in predicting the gender of your baby.</source>
        <translation>KQ Rurevir Ivideruzi Zuduzire es una herramienta curiosa e instructiva que te ayuda a predecir el sexo de tu bebé.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Get My Baby&apos;s Gender</source>
        <translation>Predecir el sexo de mi bebé</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
</context>
<context>
    <name>kq::frmNagScreen2</name>
    <message>
        <source>Please support our discussion forum at %1: visit it regularly and take part in its discussions. Your questions and answers help other parents-to-be.</source>
        <translation>Apoya nuestro foro de debate en %1: visítalo a menudo y participa en sus conversaciones. Tus preguntas y respuestas ayudan a otros futuros padres.</translation>
    </message>
    <message>
        <source>Enjoyed the program? Help our discussion forum grow: drop in at %1 often and join the conversations. Every visit and every post counts.</source>
        <translation>¿Te ha gustado el programa? Ayuda a crecer a nuestro foro de debate: pásate a menudo por %1 y únete a las conversaciones. Cada visita y cada mensaje cuentan.</translation>
    </message>
    <message>
        <source>Our discussion forum at %1 lives on its visitors. Come by regularly, ask your questions and share your experience with other families.</source>
        <translation>Nuestro foro de debate en %1 vive de sus visitantes. Pásate con frecuencia, haz tus preguntas y comparte tu experiencia con otras familias.</translation>
    </message>
    <message>
        <source>Thank you for using this program! The best way to support it is to visit our discussion forum at %1 regularly and to take part in its discussions.</source>
        <translation>¡Gracias por usar este programa! La mejor forma de apoyarlo es visitar a menudo nuestro foro de debate en %1 y participar en sus conversaciones.</translation>
    </message>
    <message>
        <source>Application icon</source>
        <translation>Icono de la aplicación</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1 now</source>
        <translation>Sí, llévame ahora al foro de debate en %1</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Descargas de Corvane Softwares</translation>
    </message>
    <message>
        <source>Corvane Softwares makes more small, free and easy programs for your family and your home. You will find all of them at %1 - have a look, there may be one you like.</source>
        <translation>Corvane Softwares hace más programas pequeños, gratuitos y sencillos para tu familia y tu hogar. Los encontrarás todos en %1: échales un vistazo, quizá alguno te guste.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Haz clic aquí para visitar Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomiéndanos a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Opens the referral in your web browser</source>
        <translation>Abre la recomendación en tu navegador web</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos direcciones de correo electrónico distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo electrónico válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de tu amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una versión más reciente de este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
</TS>
