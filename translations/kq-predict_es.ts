<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>KqPredict</name>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Conceived within %1 day of %2:</source>
        <translation>Concepción a %1 día o menos de %2:</translation>
    </message>
    <message>
        <source>Conceived within %1 days of %2:</source>
        <translation>Concepción a %1 días o menos de %2:</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>none: age outside %1</source>
        <translation>ninguno: edad fuera del rango %1</translation>
    </message>
    <message>
        <source>(extended calendar)</source>
        <translation>(calendario ampliado)</translation>
    </message>
    <message>
        <source>bad date:</source>
        <translation>fecha no válida:</translation>
    </message>
    <message>
        <source>age outside %1:</source>
        <translation>edad fuera del rango %1:</translation>
    </message>
    <message>
        <source>unknown sex:</source>
        <translation>sexo desconocido:</translation>
    </message>
    <message>
        <source>not three fields:</source>
        <translation>no son tres campos:</translation>
    </message>
    <message>
        <source>Records evaluated:</source>
        <translation>Registros evaluados:</translation>
    </message>
    <message>
        <source>Records skipped:</source>
        <translation>Registros omitidos:</translation>
    </message>
    <message>
        <source>Girl born</source>
        <translation>Fue niña</translation>
    </message>
    <message>
        <source>Boy born</source>
        <translation>Fue niño</translation>
    </message>
    <message>
        <source>Predicted girl</source>
        <translation>Se predijo niña</translation>
    </message>
    <message>
        <source>Predicted boy</source>
        <translation>Se predijo niño</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Exactitud:</translation>
    </message>
    <message>
        <source>Cohen&apos;s kappa:</source>
        <translation>Kappa de Cohen:</translation>
    </message>
    <message>
        <source>not defined, no record was evaluated</source>
        <translation>no definida, no se evaluó ningún registro</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 predictions right)</source>
        <translation>%1 % (%2 de %3 predicciones acertadas)</translation>
    </message>
    <message>
        <source>not defined, every prediction and every baby is of the same sex</source>
        <translation>no definida, todas las predicciones y todos los bebés son del mismo sexo</translation>
    </message>
    <message>
        <source>Too few records for a 95% confidence interval (a cell of the table expects fewer
than %1 records, Cochran&apos;s rule): no conclusion is drawn from these records.
</source>
        <translation>Muy pocos registros para un intervalo de confianza del 95 % (una celda de la
tabla espera menos de %1 registros, regla de Cochran): no se saca ninguna
conclusión de estos registros.
</translation>
    </message>
    <message>
        <source>%1, 95% confidence interval %2 to %3 (standard error %4)</source>
        <translation>%1, IC del 95 %: de %2 a %3 (error estándar %4)</translation>
    </message>
    <message>
        <source>The interval contains 0: on these records the calendar did no better than chance.</source>
        <translation>El intervalo contiene el 0: en estos registros el calendario no acertó más que
el azar.</translation>
    </message>
    <message>
        <source>The interval lies above 0: on these records the calendar agreed with the babies&apos; sex more often than chance would.</source>
        <translation>El intervalo está por encima de 0: en estos registros el calendario acertó el
sexo del bebé más a menudo que el azar.</translation>
    </message>
    <message>
        <source>The interval lies below 0: on these records the calendar agreed with the babies&apos; sex less often than chance would.</source>
        <translation>El intervalo está por debajo de 0: en estos registros el calendario acertó el
sexo del bebé menos a menudo que el azar.</translation>
    </message>
    <message>
        <source>How good is the calendar? Over 2,840,755 singleton births in Sweden (1973-2006), its
predictions agreed with the babies&apos; sex no more than chance would: Cohen&apos;s kappa
0.0002 (95% confidence interval -0.0009 to 0.0014), no better than tossing a coin
(Villamor et al., Paediatric and Perinatal Epidemiology 2010; 24: 398-400). Check it
on your own records with kq-predict --evaluate.
</source>
        <translation>¿Acierta el calendario? En 2&#x202f;840&#x202f;755 partos únicos en Suecia (1973-2006), sus
predicciones coincidieron con el sexo del bebé no más de lo que daría el azar:
kappa de Cohen 0.0002 (intervalo de confianza del 95 %: de -0.0009 a 0.0014),
no mejor que lanzar una moneda (Villamor et al., Paediatric and Perinatal
Epidemiology 2010; 24: 398-400). Compruébalo con tus propios registros:
kq-predict --evaluate.
</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A span of years, days or ages, both ends included, as the sentences around it use it.</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Predicts a baby&apos;s gender by the Chinese pregnancy calendar, for fun.

  kq-predict --birth DATE --conception DATE [--today DATE] [--json | --explain]
             [--around DAYS]
  kq-predict --birth DATE (--due DATE | --last-period DATE) [...as above]
  kq-predict --batch [--today DATE] &lt; lines of &quot;BIRTH CONCEPTION&quot;
  kq-predict --lunar-month DATE [--json | --explain]
  kq-predict --chart [--json]
  kq-predict --evaluate [--from-birth] [--json] &lt; lines of &quot;BIRTH CONCEPTION SEX&quot;

Dates are written YYYY-MM-DD: conception years %1, birth years %2.
The lunar month comes from the program&apos;s own table for conceptions in %3, where
the birth year must lie in %4 as in the main window, and from the extended
calendar (the official Chinese calendar) outside it; the answers say when it did.
--due and --last-period estimate the date of conception and say that they did.
Exit status: 0 predicted, 2 invalid date or input, 3 mother&apos;s age outside %5,
64 wrong usage, 74 input or output failed; --evaluate: 0 when a record was evaluated,
2 when none could be.</source>
        <translation>Predice el sexo del bebé con el calendario chino de embarazo, por diversión.

  kq-predict --birth DATE --conception DATE [--today DATE] [--json | --explain]
             [--around DAYS]
  kq-predict --birth DATE (--due DATE | --last-period DATE) [...como arriba]
  kq-predict --batch [--today DATE] &lt; líneas &quot;BIRTH CONCEPTION&quot;
  kq-predict --lunar-month DATE [--json | --explain]
  kq-predict --chart [--json]
  kq-predict --evaluate [--from-birth] [--json] &lt; líneas &quot;BIRTH CONCEPTION SEX&quot;

Las fechas se escriben YYYY-MM-DD: años de concepción %1,
años de nacimiento %2.
El mes lunar sale de la tabla propia del programa para concepciones
%3, con el año de nacimiento %4 como en la
ventana principal, y del calendario ampliado (el calendario chino oficial)
fuera de esos años; las respuestas lo indican.
--due y --last-period estiman la fecha de concepción y lo indican.
Estado de salida: 0 predicho, 2 fecha o entrada no válida, 3 edad lunar de la
madre fuera del rango %5, 64 uso incorrecto, 74 fallo de entrada o
salida; --evaluate: 0 si se evaluó algún registro, 2 si no se pudo evaluar
ninguno.</translation>
    </message>
    <message>
        <source>Try &apos;kq-predict --help&apos; for more information.</source>
        <translation>Prueba &apos;kq-predict --help&apos; para más información.</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>no se pudo escribir la salida</translation>
    </message>
    <message>
        <source>could not read all input</source>
        <translation>no se pudo leer toda la entrada</translation>
    </message>
    <message>
        <source>no record could be evaluated</source>
        <translation>no se pudo evaluar ningún registro</translation>
    </message>
    <message>
        <source>The mother&apos;s date of birth (years %1; %2 with a conception in %3).</source>
        <translation>La fecha de nacimiento de la madre (años %1; %2 con una concepción %3).</translation>
    </message>
    <message>
        <source>The date of conception (years %1).</source>
        <translation>La fecha de concepción (años %1).</translation>
    </message>
    <message>
        <source>The expected date of delivery, instead of --conception: conception is estimated at %1 days (%2 weeks) before it.</source>
        <translation>La fecha prevista de parto, en lugar de --conception: la concepción se estima %1 días (%2 semanas) antes.</translation>
    </message>
    <message>
        <source>The first day of the last menstrual period, instead of --conception: conception is estimated at %1 days after it.</source>
        <translation>El primer día de la última menstruación, en lugar de --conception: la concepción se estima %1 días después.</translation>
    </message>
    <message>
        <source>With a prediction: also the answers for every conception day within this many days (%1) on either side, as runs of equal answers.</source>
        <translation>Con una predicción: también las respuestas para cada día de concepción dentro de tantos días (%1) a cada lado, en tramos de respuestas iguales.</translation>
    </message>
    <message>
        <source>Today&apos;s date for the congratulation line, instead of the system&apos;s local date.</source>
        <translation>La fecha de hoy para la línea de felicitación, en lugar de la fecha local del sistema.</translation>
    </message>
    <message>
        <source>Answer with one line of JSON; messages go into it.</source>
        <translation>Responde con una línea de JSON; los mensajes van dentro.</translation>
    </message>
    <message>
        <source>Show how the Chinese age was counted, the lunar month with the day it began (and the calendar, where the extended one gave it), and the chart&apos;s row for the age.</source>
        <translation>Muestra cómo se contó la edad lunar, el mes lunar con el día en que empezó (y el calendario, si lo dio el ampliado) y la fila de la tabla para esa edad.</translation>
    </message>
    <message>
        <source>Read lines &quot;BIRTH CONCEPTION&quot; from standard input and write one JSON object per line; blank lines are skipped.</source>
        <translation>Lee líneas &quot;BIRTH CONCEPTION&quot; de la entrada estándar y escribe un objeto JSON por línea; se omiten las líneas en blanco.</translation>
    </message>
    <message>
        <source>Print the lunar month (1 to 12) in force on the date (%1).</source>
        <translation>Muestra el mes lunar (de 1 a 12) vigente en la fecha (años %1).</translation>
    </message>
    <message>
        <source>Print the gender chart: ages %1 by lunar months 1 to 12.</source>
        <translation>Muestra la tabla del calendario chino de embarazo: edades %1 por meses lunares de 1 a 12.</translation>
    </message>
    <message>
        <source>Read records &quot;BIRTH CONCEPTION SEX&quot; (SEX: F, M, girl or boy) from standard input and say how often the prediction was right: the table, the accuracy and Cohen&apos;s kappa.</source>
        <translation>Lee registros &quot;BIRTH CONCEPTION SEX&quot; (SEX: F, M, girl o boy) de la entrada estándar y dice con qué frecuencia acertó la predicción: la tabla, la exactitud y la kappa de Cohen.</translation>
    </message>
    <message>
        <source>With --evaluate: the second date is the baby&apos;s date of birth; conception is taken as %1 days before.</source>
        <translation>Con --evaluate: la segunda fecha es la de nacimiento del bebé; la concepción se toma %1 días antes.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 se da más de una vez</translation>
    </message>
    <message>
        <source>--evaluate goes without a prediction, --batch, --lunar-month and --chart</source>
        <translation>--evaluate no va con una predicción, --batch, --lunar-month ni --chart</translation>
    </message>
    <message>
        <source>--from-birth goes with --evaluate only</source>
        <translation>--from-birth solo va con --evaluate</translation>
    </message>
    <message>
        <source>give --birth and --conception, or --batch, --lunar-month or --chart</source>
        <translation>indica --birth y --conception, o --batch, --lunar-month o --chart</translation>
    </message>
    <message>
        <source>choose one of a prediction (--birth, --conception), --batch, --lunar-month and --chart</source>
        <translation>elige una sola cosa: una predicción (--birth, --conception), --batch, --lunar-month o --chart</translation>
    </message>
    <message>
        <source>give only one of --conception, --due and --last-period</source>
        <translation>indica solo una de --conception, --due y --last-period</translation>
    </message>
    <message>
        <source>a prediction needs --birth and one of --conception, --due and --last-period</source>
        <translation>una predicción necesita --birth y una de --conception, --due y --last-period</translation>
    </message>
    <message>
        <source>--around goes with a single prediction only</source>
        <translation>--around solo va con una predicción</translation>
    </message>
    <message>
        <source>--around needs a whole number of days from %1 to %2</source>
        <translation>--around necesita un número entero de días de %1 a %2</translation>
    </message>
    <message>
        <source>--explain does not go with --evaluate</source>
        <translation>--explain no va con --evaluate</translation>
    </message>
    <message>
        <source>--explain goes with a text answer only</source>
        <translation>--explain solo va con una respuesta en texto</translation>
    </message>
    <message>
        <source>--today goes with a prediction or --batch only</source>
        <translation>--today solo va con una predicción o --batch</translation>
    </message>
    <message>
        <source>--today needs a date that exists, written YYYY-MM-DD</source>
        <translation>--today necesita una fecha que exista, escrita YYYY-MM-DD</translation>
    </message>
    <message>
        <source>could not read all input or write all answers</source>
        <translation>no se pudo leer toda la entrada o escribir todas las respuestas</translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation>Calendario:</translation>
    </message>
    <message>
        <source>%1 days before the due date %2</source>
        <translation>%1 días antes del parto previsto %2</translation>
    </message>
    <message>
        <source>%1 days after the first day of the last period %2</source>
        <translation>%1 días después del primer día de la última menstruación %2</translation>
    </message>
    <message>
        <source>The date of birth must be written YYYY-MM-DD</source>
        <translation>La fecha de nacimiento debe escribirse YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The date of conception must be written YYYY-MM-DD</source>
        <translation>La fecha de concepción debe escribirse YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The year of birth must be between %1 and %2</source>
        <translation>El año de nacimiento debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>The year of conception must be between %1 and %2</source>
        <translation>El año de concepción debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>No lunar month is known for the date</source>
        <translation>No se conoce el mes lunar de la fecha</translation>
    </message>
    <message>
        <source>Expected two dates, BIRTH CONCEPTION, separated by white space</source>
        <translation>Se esperaban dos fechas, BIRTH CONCEPTION, separadas por espacios</translation>
    </message>
    <message>
        <source>The line is longer than %1 characters</source>
        <translation>La línea tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>The due date must be a date that exists, written YYYY-MM-DD</source>
        <translation>La fecha prevista de parto debe ser una fecha que exista, escrita YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The first day of the last period must be a date that exists, written YYYY-MM-DD</source>
        <translation>El primer día de la última menstruación debe ser una fecha que exista, escrita YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The estimated date of conception, %1 (%2), must be in the years %3 to %4</source>
        <translation>La fecha de concepción estimada, %1 (%2), debe estar entre los años %3 y %4</translation>
    </message>
    <message>
        <source>The input cannot be used</source>
        <translation>La entrada no se puede usar</translation>
    </message>
    <message>
        <source>lunar month %1, which began on %2</source>
        <translation>mes lunar %1, que empezó el %2</translation>
    </message>
    <message>
        <source>lunar month %1, which began before %2, where the table starts</source>
        <translation>mes lunar %1, que empezó antes del %2, inicio de la tabla</translation>
    </message>
    <message>
        <source>  Calendar: extended, the official Chinese calendar of %1 (the
    program&apos;s own lunar-month table covers %2 only)
</source>
        <translation>  Calendario: ampliado, el calendario chino oficial, que va %1 (la
    tabla de meses lunares propia del programa solo abarca %2)
</translation>
    </message>
    <message>
        <source>  Disputed: published reckonings put the first day of this lunar month one day
    apart (the new moon falls close to midnight in China); the official
    calendar&apos;s day is taken
</source>
        <translation>  En disputa: los cálculos publicados sitúan el primer día de este mes lunar
    con un día de diferencia (la luna nueva cae cerca de la medianoche en
    China); se toma el día del calendario oficial
</translation>
    </message>
    <message>
        <source>extended (the official Chinese calendar of %1)</source>
        <translation>ampliado (el calendario chino oficial, %1)</translation>
    </message>
    <message>
        <source>Conception (estimated):</source>
        <translation>Concepción (estimada):</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age:</source>
        <translation>Edad lunar de la madre:</translation>
    </message>
    <message>
        <source>Lunar month of conception:</source>
        <translation>Mes lunar de la concepción:</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>How it was worked out:</source>
        <translation>Cómo se calculó:</translation>
    </message>
    <message>
        <source>  Estimated conception: %1
    (by Naegele&apos;s rule the due date is %2 days after the first day of the last
    period, and conception falls about %3 days after that day: an estimate)
</source>
        <translation>  Concepción estimada: %1
    (por la regla de Naegele el parto se espera %2 días después del primer día
    de la última menstruación, y la concepción, unos %3 días después de ese
    día: una estimación)
</translation>
    </message>
    <message>
        <source>  Base age: %1 - %2 = %3 (year of conception minus year of birth; the birthday plays no part)</source>
        <translation>  Edad base: %1 - %2 = %3 (año de concepción menos año de nacimiento; el cumpleaños no cuenta)</translation>
    </message>
    <message>
        <source>  New-year step: +1, conceived on or after 21 February: Chinese age %1</source>
        <translation>  Paso de año nuevo: +1, concepción el 21 de febrero o después: edad lunar %1</translation>
    </message>
    <message>
        <source>  New-year step: none, conceived before 21 February: Chinese age %1</source>
        <translation>  Paso de año nuevo: ninguno, concepción antes del 21 de febrero: edad lunar %1</translation>
    </message>
    <message>
        <source>  Conceived on %1: %2</source>
        <translation>  Concepción el %1: %2</translation>
    </message>
    <message>
        <source>  Chart row for age %1, month of conception in brackets:</source>
        <translation>  Fila de la tabla para la edad %1, con el mes de concepción entre corchetes:</translation>
    </message>
    <message>
        <source>Gender chart: mother&apos;s Chinese age at conception by lunar month of conception</source>
        <translation>Tabla del calendario chino de embarazo: edad lunar al concebir por mes lunar</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the estimated date of conception, how it was estimated</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Calendar: %1</source>
        <translation>Calendario: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date, and the lunar month in force on it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age: %1</source>
        <translation>Edad lunar de la madre: %1</translation>
    </message>
    <message>
        <source>Conception (estimated): %1</source>
        <translation>Concepción (estimada): %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, con las opciones propias de Qt.</translation>
    </message>
</context>
</TS>
