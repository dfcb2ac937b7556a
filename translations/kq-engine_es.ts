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
        <translation>¡Enhorabuena! Vas a tener:</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a</source>
        <translation>¡Enhorabuena! Tu bebé será:</translation>
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
        <source>                      Check The Date Of Conception.<byte value="xd"/>
Mother&apos;s Age Must Be Between 18 to 45 at Time Of Conception !</source>
        <translation>Comprueba la fecha de concepción.
¡Al concebir, la madre debe tener de 18 a 45 años lunares!</translation>
    </message>
</context>
</TS>
