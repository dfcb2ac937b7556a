<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>KqPredict</name>
    <message>
        <source>First day</source>
        <translation>起始日</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>結束日</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>虛歲</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>農曆月</translation>
    </message>
    <message>
        <source>Conceived within %1 day of %2:</source>
        <translation>受孕日在 %2 前後 %1 天內：</translation>
    </message>
    <message>
        <source>Conceived within %1 days of %2:</source>
        <translation>受孕日在 %2 前後 %1 天內：</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>none: age outside %1</source>
        <translation>無：虛歲不在 %1 之間</translation>
    </message>
    <message>
        <source>(extended calendar)</source>
        <translation>（擴充曆法）</translation>
    </message>
    <message>
        <source>bad date:</source>
        <translation>日期無效：</translation>
    </message>
    <message>
        <source>age outside %1:</source>
        <translation>虛歲不在 %1 之間：</translation>
    </message>
    <message>
        <source>unknown sex:</source>
        <translation>性別不明：</translation>
    </message>
    <message>
        <source>not three fields:</source>
        <translation>欄位數不是 3：</translation>
    </message>
    <message>
        <source>Records evaluated:</source>
        <translation>已評估記錄：</translation>
    </message>
    <message>
        <source>Records skipped:</source>
        <translation>已略過記錄：</translation>
    </message>
    <message>
        <source>Girl born</source>
        <translation>生女</translation>
    </message>
    <message>
        <source>Boy born</source>
        <translation>生男</translation>
    </message>
    <message>
        <source>Predicted girl</source>
        <translation>預測女孩</translation>
    </message>
    <message>
        <source>Predicted boy</source>
        <translation>預測男孩</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>準確率：</translation>
    </message>
    <message>
        <source>Cohen&apos;s kappa:</source>
        <translation>Cohen kappa：</translation>
    </message>
    <message>
        <source>not defined, no record was evaluated</source>
        <translation>未定義，沒有評估任何記錄</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 predictions right)</source>
        <translation>%1%（%3 次預測中 %2 次正確）</translation>
    </message>
    <message>
        <source>not defined, every prediction and every baby is of the same sex</source>
        <translation>未定義，所有預測和所有寶寶都是同一性別</translation>
    </message>
    <message>
        <source>Too few records for a 95% confidence interval (a cell of the table expects fewer
than %1 records, Cochran&apos;s rule): no conclusion is drawn from these records.
</source>
        <translation>記錄太少，無法給出 95% 信賴區間（列聯表中有一格的期望記錄數
少於 %1，Cochran 規則）：不能從這些記錄得出結論。
</translation>
    </message>
    <message>
        <source>%1, 95% confidence interval %2 to %3 (standard error %4)</source>
        <translation>%1，95% 信賴區間 %2 至 %3（標準誤 %4）</translation>
    </message>
    <message>
        <source>The interval contains 0: on these records the calendar did no better than chance.</source>
        <translation>區間包含 0：在這些記錄上，該曆法並不比隨機猜測更好。</translation>
    </message>
    <message>
        <source>The interval lies above 0: on these records the calendar agreed with the babies&apos; sex more often than chance would.</source>
        <translation>區間高於 0：在這些記錄上，該曆法與寶寶性別相符的次數多於隨機。</translation>
    </message>
    <message>
        <source>The interval lies below 0: on these records the calendar agreed with the babies&apos; sex less often than chance would.</source>
        <translation>區間低於 0：在這些記錄上，該曆法與寶寶性別相符的次數少於隨機。</translation>
    </message>
    <message>
        <source>How good is the calendar? Over 2,840,755 singleton births in Sweden (1973-2006), its
predictions agreed with the babies&apos; sex no more than chance would: Cohen&apos;s kappa
0.0002 (95% confidence interval -0.0009 to 0.0014), no better than tossing a coin
(Villamor et al., Paediatric and Perinatal Epidemiology 2010; 24: 398-400). Check it
on your own records with kq-predict --evaluate.
</source>
        <translation>這個曆法準不準？在瑞典 2,840,755 例單胎分娩（1973-2006）中，它的預測
與寶寶性別相符的程度並不高於隨機：Cohen kappa 0.0002（95% 信賴區間
-0.0009 至 0.0014），不比擲硬幣更好（Villamor 等，Paediatric and
Perinatal Epidemiology 2010; 24: 398-400）。可用 kq-predict --evaluate
在您自己的記錄上檢驗。
</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A span of years, days or ages, both ends included, as the sentences around it use it.</extracomment>
        <translation>%1 至 %2</translation>
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
        <translation>按中國農曆的生男生女清宮表預測寶寶的性別，僅供娛樂。

  kq-predict --birth DATE --conception DATE [--today DATE] [--json | --explain]
             [--around DAYS]
  kq-predict --birth DATE (--due DATE | --last-period DATE) [...同上]
  kq-predict --batch [--today DATE] &lt; 每行「BIRTH CONCEPTION」
  kq-predict --lunar-month DATE [--json | --explain]
  kq-predict --chart [--json]
  kq-predict --evaluate [--from-birth] [--json] &lt; 每行「BIRTH CONCEPTION SEX」

日期寫作 YYYY-MM-DD：受孕年份 %1，出生年份 %2。
受孕在 %3 年間時，農曆月取自程式內建的月份表，
且出生年份須在 %4 之間（與主視窗相同）；其餘年份取自擴充曆法
（官方中國農曆），回答中會註明。
--due 和 --last-period 會推算受孕日期，並註明是推算所得。
結束狀態：0 已預測，2 日期或輸入無效，3 母親虛歲不在 %5 之間，
64 用法錯誤，74 輸入或輸出失敗；--evaluate：0 至少評估了一筆記錄，
2 一筆也無法評估。</translation>
    </message>
    <message>
        <source>Try &apos;kq-predict --help&apos; for more information.</source>
        <translation>請執行「kq-predict --help」以取得更多資訊。</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>無法寫入輸出</translation>
    </message>
    <message>
        <source>could not read all input</source>
        <translation>無法讀取全部輸入</translation>
    </message>
    <message>
        <source>no record could be evaluated</source>
        <translation>沒有可評估的記錄</translation>
    </message>
    <message>
        <source>The mother&apos;s date of birth (years %1; %2 with a conception in %3).</source>
        <translation>母親的出生日期（年份 %1；受孕在
%3 年間時為 %2）。</translation>
    </message>
    <message>
        <source>The date of conception (years %1).</source>
        <translation>受孕日期（年份 %1）。</translation>
    </message>
    <message>
        <source>The expected date of delivery, instead of --conception: conception is estimated at %1 days (%2 weeks) before it.</source>
        <translation>預產期，代替 --conception：受孕日期按預產期前 %1 天
（%2 週）推算。</translation>
    </message>
    <message>
        <source>The first day of the last menstrual period, instead of --conception: conception is estimated at %1 days after it.</source>
        <translation>末次月經的第一天，代替 --conception：受孕日期按其後
%1 天推算。</translation>
    </message>
    <message>
        <source>With a prediction: also the answers for every conception day within this many days (%1) on either side, as runs of equal answers.</source>
        <translation>與預測一起：另給出受孕日前後這麼多天（%1）內每一天
的回答，相同的回答合為一段。</translation>
    </message>
    <message>
        <source>Today&apos;s date for the congratulation line, instead of the system&apos;s local date.</source>
        <translation>祝賀語所用的今天日期，代替系統的本地日期。</translation>
    </message>
    <message>
        <source>Answer with one line of JSON; messages go into it.</source>
        <translation>以一行 JSON 回答；訊息也寫在其中。</translation>
    </message>
    <message>
        <source>Show how the Chinese age was counted, the lunar month with the day it began (and the calendar, where the extended one gave it), and the chart&apos;s row for the age.</source>
        <translation>顯示虛歲的算法、農曆月及其起始日（由擴充曆法得出時註明
曆法），以及清宮表中該虛歲的一列。</translation>
    </message>
    <message>
        <source>Read lines &quot;BIRTH CONCEPTION&quot; from standard input and write one JSON object per line; blank lines are skipped.</source>
        <translation>從標準輸入讀取「BIRTH CONCEPTION」行，每行寫出一個
JSON 物件；空行略過。</translation>
    </message>
    <message>
        <source>Print the lunar month (1 to 12) in force on the date (%1).</source>
        <translation>顯示該日期所在的農曆月（1 至 12）（%1）。</translation>
    </message>
    <message>
        <source>Print the gender chart: ages %1 by lunar months 1 to 12.</source>
        <translation>顯示清宮表：虛歲 %1，農曆 1 至 12 月。</translation>
    </message>
    <message>
        <source>Read records &quot;BIRTH CONCEPTION SEX&quot; (SEX: F, M, girl or boy) from standard input and say how often the prediction was right: the table, the accuracy and Cohen&apos;s kappa.</source>
        <translation>從標準輸入讀取「BIRTH CONCEPTION SEX」記錄（SEX：F、M、
girl 或 boy），給出預測正確的頻率：列聯表、準確率和
Cohen kappa。</translation>
    </message>
    <message>
        <source>With --evaluate: the second date is the baby&apos;s date of birth; conception is taken as %1 days before.</source>
        <translation>與 --evaluate 一起：第二個日期是寶寶的出生日期，受孕日期
取其前 %1 天。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多餘的引數「%1」</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 給出了不止一次</translation>
    </message>
    <message>
        <source>--evaluate goes without a prediction, --batch, --lunar-month and --chart</source>
        <translation>--evaluate 不能與預測、--batch、--lunar-month 或 --chart 一起使用</translation>
    </message>
    <message>
        <source>--from-birth goes with --evaluate only</source>
        <translation>--from-birth 只能與 --evaluate 一起使用</translation>
    </message>
    <message>
        <source>give --birth and --conception, or --batch, --lunar-month or --chart</source>
        <translation>請給出 --birth 和 --conception，或 --batch、--lunar-month、--chart</translation>
    </message>
    <message>
        <source>choose one of a prediction (--birth, --conception), --batch, --lunar-month and --chart</source>
        <translation>預測（--birth、--conception）、--batch、--lunar-month 和 --chart 只能選其一</translation>
    </message>
    <message>
        <source>give only one of --conception, --due and --last-period</source>
        <translation>--conception、--due 和 --last-period 只能給出一個</translation>
    </message>
    <message>
        <source>a prediction needs --birth and one of --conception, --due and --last-period</source>
        <translation>預測需要 --birth，以及 --conception、--due、--last-period 之一</translation>
    </message>
    <message>
        <source>--around goes with a single prediction only</source>
        <translation>--around 只能與單次預測一起使用</translation>
    </message>
    <message>
        <source>--around needs a whole number of days from %1 to %2</source>
        <translation>--around 需要 %1 至 %2 之間的整天數</translation>
    </message>
    <message>
        <source>--explain does not go with --evaluate</source>
        <translation>--explain 不能與 --evaluate 一起使用</translation>
    </message>
    <message>
        <source>--explain goes with a text answer only</source>
        <translation>--explain 只能用於文字回答</translation>
    </message>
    <message>
        <source>--today goes with a prediction or --batch only</source>
        <translation>--today 只能與預測或 --batch 一起使用</translation>
    </message>
    <message>
        <source>--today needs a date that exists, written YYYY-MM-DD</source>
        <translation>--today 需要一個存在的日期，寫作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>could not read all input or write all answers</source>
        <translation>無法讀取全部輸入或寫入全部回答</translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation>曆法：</translation>
    </message>
    <message>
        <source>%1 days before the due date %2</source>
        <translation>預產期 %2 前 %1 天</translation>
    </message>
    <message>
        <source>%1 days after the first day of the last period %2</source>
        <translation>末次月經第一天 %2 後 %1 天</translation>
    </message>
    <message>
        <source>The date of birth must be written YYYY-MM-DD</source>
        <translation>出生日期必須寫作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The date of conception must be written YYYY-MM-DD</source>
        <translation>受孕日期必須寫作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The year of birth must be between %1 and %2</source>
        <translation>出生年份必須介於 %1 至 %2 之間</translation>
    </message>
    <message>
        <source>The year of conception must be between %1 and %2</source>
        <translation>受孕年份必須介於 %1 至 %2 之間</translation>
    </message>
    <message>
        <source>No lunar month is known for the date</source>
        <translation>該日期沒有已知的農曆月</translation>
    </message>
    <message>
        <source>Expected two dates, BIRTH CONCEPTION, separated by white space</source>
        <translation>應為兩個以空白分隔的日期：BIRTH CONCEPTION</translation>
    </message>
    <message>
        <source>The line is longer than %1 characters</source>
        <translation>該行超過 %1 個字元</translation>
    </message>
    <message>
        <source>The due date must be a date that exists, written YYYY-MM-DD</source>
        <translation>預產期必須是存在的日期，寫作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The first day of the last period must be a date that exists, written YYYY-MM-DD</source>
        <translation>末次月經第一天必須是存在的日期，寫作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The estimated date of conception, %1 (%2), must be in the years %3 to %4</source>
        <translation>推算的受孕日期 %1（%2）必須在 %3 至 %4 年間</translation>
    </message>
    <message>
        <source>The input cannot be used</source>
        <translation>無法使用該輸入</translation>
    </message>
    <message>
        <source>lunar month %1, which began on %2</source>
        <translation>農曆 %1 月，始於 %2</translation>
    </message>
    <message>
        <source>lunar month %1, which began before %2, where the table starts</source>
        <translation>農曆 %1 月，始於 %2 之前（表從該日開始）</translation>
    </message>
    <message>
        <source>  Calendar: extended, the official Chinese calendar of %1 (the
    program&apos;s own lunar-month table covers %2 only)
</source>
        <translation>  曆法：擴充曆法，即 %1 年的官方中國農曆（程式內建的
    農曆月份表只涵蓋 %2 年）
</translation>
    </message>
    <message>
        <source>  Disputed: published reckonings put the first day of this lunar month one day
    apart (the new moon falls close to midnight in China); the official
    calendar&apos;s day is taken
</source>
        <translation>  有爭議：已發表的推算對該農曆月首日相差一天（合朔恰在中國
    午夜前後）；此處採用官方曆法的日期
</translation>
    </message>
    <message>
        <source>extended (the official Chinese calendar of %1)</source>
        <translation>擴充曆法（%1 年的官方中國農曆）</translation>
    </message>
    <message>
        <source>Conception (estimated):</source>
        <translation>受孕日期（推算）：</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age:</source>
        <translation>母親的虛歲：</translation>
    </message>
    <message>
        <source>Lunar month of conception:</source>
        <translation>受孕農曆月：</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>性別：</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>顏色：</translation>
    </message>
    <message>
        <source>How it was worked out:</source>
        <translation>推算過程：</translation>
    </message>
    <message>
        <source>  Estimated conception: %1
    (by Naegele&apos;s rule the due date is %2 days after the first day of the last
    period, and conception falls about %3 days after that day: an estimate)
</source>
        <translation>  推算的受孕日期：%1
    （按 Naegele 規則，預產期在末次月經第一天後 %2 天，
    受孕約在該日後 %3 天：這是估計）
</translation>
    </message>
    <message>
        <source>  Base age: %1 - %2 = %3 (year of conception minus year of birth; the birthday plays no part)</source>
        <translation>  基本年齡：%1 - %2 = %3（受孕年份減出生年份；與生日無關）</translation>
    </message>
    <message>
        <source>  New-year step: +1, conceived on or after 21 February: Chinese age %1</source>
        <translation>  新年加歲：+1，受孕在 2 月 21 日或之後：虛歲 %1</translation>
    </message>
    <message>
        <source>  New-year step: none, conceived before 21 February: Chinese age %1</source>
        <translation>  新年加歲：無，受孕在 2 月 21 日之前：虛歲 %1</translation>
    </message>
    <message>
        <source>  Conceived on %1: %2</source>
        <translation>  受孕於 %1：%2</translation>
    </message>
    <message>
        <source>  Chart row for age %1, month of conception in brackets:</source>
        <translation>  清宮表中虛歲 %1 的一列，受孕月份在方括號中：</translation>
    </message>
    <message>
        <source>Gender chart: mother&apos;s Chinese age at conception by lunar month of conception</source>
        <translation>清宮表：受孕時母親的虛歲 × 受孕農曆月</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the estimated date of conception, how it was estimated</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Calendar: %1</source>
        <translation>曆法：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date, and the lunar month in force on it</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age: %1</source>
        <translation>母親的虛歲：%1</translation>
    </message>
    <message>
        <source>Conception (estimated): %1</source>
        <translation>受孕日期（推算）：%1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>顯示指令列選項的說明。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>顯示包含 Qt 特有選項的說明。</translation>
    </message>
</context>
</TS>
