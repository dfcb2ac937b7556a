<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>EngineWords</name>
    <message>
        <source>Boy</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Niña</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby</source>
        <translation>¡Felicidades! Vas a tener:</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a</source>
        <translation>¡Felicidades! Tu bebé será:</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of of Conception !</source>
        <translation>¡Elige una fecha de concepción que exista!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Conception !</source>
        <translation>¡Elige una fecha de concepción que exista!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Birth !</source>
        <translation>¡Elige una fecha de nacimiento que exista!</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby Boy</source>
        <translation>¡Felicidades! Vas a tener un niño</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby Girl</source>
        <translation>¡Felicidades! Vas a tener una niña</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a Boy</source>
        <translation>¡Felicidades! Tu bebé será un niño</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a Girl</source>
        <translation>¡Felicidades! Tu bebé será una niña</translation>
    </message>
    <message>
        <source>                      Check The Date Of Conception.<byte value="xd"/>
%1</source>
        <extracomment>The message box for an age outside the chart&apos;s; %1 is the age limits&apos; line.</extracomment>
        <translation>Comprueba la fecha de concepción.
%1</translation>
    </message>
    <message>
        <source>Mother&apos;s Age Must Be Between %1 to %2 at Time Of Conception !</source>
        <translation>¡Al concebir, la madre debe tener de %1 a %2 años lunares!</translation>
    </message>
</context>
</TS>
