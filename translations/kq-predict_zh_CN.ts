<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KqPredict</name>
    <message>
        <source>First day</source>
        <translation>起始日</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>结束日</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>虚岁</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>农历月</translation>
    </message>
    <message>
        <source>Conceived within %1 day of %2:</source>
        <translation>受孕日在 %2 前后 %1 天内：</translation>
    </message>
    <message>
        <source>Conceived within %1 days of %2:</source>
        <translation>受孕日在 %2 前后 %1 天内：</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>性别</translation>
    </message>
    <message>
        <source>none: age outside %1</source>
        <translation>无：虚岁不在 %1 之间</translation>
    </message>
    <message>
        <source>(extended calendar)</source>
        <translation>（扩展历法）</translation>
    </message>
    <message>
        <source>bad date:</source>
        <translation>日期无效：</translation>
    </message>
    <message>
        <source>age outside %1:</source>
        <translation>虚岁不在 %1 之间：</translation>
    </message>
    <message>
        <source>unknown sex:</source>
        <translation>性别不明：</translation>
    </message>
    <message>
        <source>not three fields:</source>
        <translation>字段数不是 3：</translation>
    </message>
    <message>
        <source>Records evaluated:</source>
        <translation>已评估记录：</translation>
    </message>
    <message>
        <source>Records skipped:</source>
        <translation>已跳过记录：</translation>
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
        <translation>预测女孩</translation>
    </message>
    <message>
        <source>Predicted boy</source>
        <translation>预测男孩</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>准确率：</translation>
    </message>
    <message>
        <source>Cohen&apos;s kappa:</source>
        <translation>Cohen kappa：</translation>
    </message>
    <message>
        <source>not defined, no record was evaluated</source>
        <translation>未定义，没有评估任何记录</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 predictions right)</source>
        <translation>%1%（%3 次预测中 %2 次正确）</translation>
    </message>
    <message>
        <source>not defined, every prediction and every baby is of the same sex</source>
        <translation>未定义，所有预测和所有宝宝都是同一性别</translation>
    </message>
    <message>
        <source>Too few records for a 95% confidence interval (a cell of the table expects fewer
than %1 records, Cochran&apos;s rule): no conclusion is drawn from these records.
</source>
        <translation>记录太少，无法给出 95% 置信区间（列联表中有一格的期望记录数
少于 %1，Cochran 规则）：不能从这些记录得出结论。
</translation>
    </message>
    <message>
        <source>%1, 95% confidence interval %2 to %3 (standard error %4)</source>
        <translation>%1，95% 置信区间 %2 至 %3（标准误 %4）</translation>
    </message>
    <message>
        <source>The interval contains 0: on these records the calendar did no better than chance.</source>
        <translation>区间包含 0：在这些记录上，该历法并不比随机猜测更好。</translation>
    </message>
    <message>
        <source>The interval lies above 0: on these records the calendar agreed with the babies&apos; sex more often than chance would.</source>
        <translation>区间高于 0：在这些记录上，该历法与宝宝性别相符的次数多于随机。</translation>
    </message>
    <message>
        <source>The interval lies below 0: on these records the calendar agreed with the babies&apos; sex less often than chance would.</source>
        <translation>区间低于 0：在这些记录上，该历法与宝宝性别相符的次数少于随机。</translation>
    </message>
    <message>
        <source>How good is the calendar? Over 2,840,755 singleton births in Sweden (1973-2006), its
predictions agreed with the babies&apos; sex no more than chance would: Cohen&apos;s kappa
0.0002 (95% confidence interval -0.0009 to 0.0014), no better than tossing a coin
(Villamor et al., Paediatric and Perinatal Epidemiology 2010; 24: 398-400). Check it
on your own records with kq-predict --evaluate.
</source>
        <translation>这个历法准不准？在瑞典 2,840,755 例单胎分娩（1973-2006）中，它的预测
与宝宝性别相符的程度并不高于随机：Cohen kappa 0.0002（95% 置信区间
-0.0009 至 0.0014），不比掷硬币更好（Villamor 等，Paediatric and
Perinatal Epidemiology 2010; 24: 398-400）。可用 kq-predict --evaluate
在您自己的记录上检验。
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
        <translation>按中国农历的生男生女清宫表预测宝宝的性别，仅供娱乐。

  kq-predict --birth DATE --conception DATE [--today DATE] [--json | --explain]
             [--around DAYS]
  kq-predict --birth DATE (--due DATE | --last-period DATE) [...同上]
  kq-predict --batch [--today DATE] &lt; 每行“BIRTH CONCEPTION”
  kq-predict --lunar-month DATE [--json | --explain]
  kq-predict --chart [--json]
  kq-predict --evaluate [--from-birth] [--json] &lt; 每行“BIRTH CONCEPTION SEX”

日期写作 YYYY-MM-DD：受孕年份 %1，出生年份 %2。
受孕在 %3 年间时，农历月取自程序自带的月份表，
且出生年份须在 %4 之间（与主窗口相同）；其余年份取自扩展历法
（官方中国农历），回答中会注明。
--due 和 --last-period 会推算受孕日期，并注明是推算所得。
退出状态：0 已预测，2 日期或输入无效，3 母亲虚岁不在 %5 之间，
64 用法错误，74 输入或输出失败；--evaluate：0 至少评估了一条记录，
2 一条也无法评估。</translation>
    </message>
    <message>
        <source>Try &apos;kq-predict --help&apos; for more information.</source>
        <translation>请运行“kq-predict --help”了解更多信息。</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>could not read all input</source>
        <translation>无法读取全部输入</translation>
    </message>
    <message>
        <source>no record could be evaluated</source>
        <translation>没有可评估的记录</translation>
    </message>
    <message>
        <source>The mother&apos;s date of birth (years %1; %2 with a conception in %3).</source>
        <translation>母亲的出生日期（年份 %1；受孕在
%3 年间时为 %2）。</translation>
    </message>
    <message>
        <source>The date of conception (years %1).</source>
        <translation>受孕日期（年份 %1）。</translation>
    </message>
    <message>
        <source>The expected date of delivery, instead of --conception: conception is estimated at %1 days (%2 weeks) before it.</source>
        <translation>预产期，代替 --conception：受孕日期按预产期前 %1 天
（%2 周）推算。</translation>
    </message>
    <message>
        <source>The first day of the last menstrual period, instead of --conception: conception is estimated at %1 days after it.</source>
        <translation>末次月经的第一天，代替 --conception：受孕日期按其后
%1 天推算。</translation>
    </message>
    <message>
        <source>With a prediction: also the answers for every conception day within this many days (%1) on either side, as runs of equal answers.</source>
        <translation>与预测一起：另给出受孕日前后这么多天（%1）内每一天
的回答，相同的回答合为一段。</translation>
    </message>
    <message>
        <source>Today&apos;s date for the congratulation line, instead of the system&apos;s local date.</source>
        <translation>祝贺语所用的今天日期，代替系统的本地日期。</translation>
    </message>
    <message>
        <source>Answer with one line of JSON; messages go into it.</source>
        <translation>以一行 JSON 回答；消息也写在其中。</translation>
    </message>
    <message>
        <source>Show how the Chinese age was counted, the lunar month with the day it began (and the calendar, where the extended one gave it), and the chart&apos;s row for the age.</source>
        <translation>显示虚岁的算法、农历月及其起始日（由扩展历法得出时注明
历法），以及清宫表中该虚岁的一行。</translation>
    </message>
    <message>
        <source>Read lines &quot;BIRTH CONCEPTION&quot; from standard input and write one JSON object per line; blank lines are skipped.</source>
        <translation>从标准输入读取“BIRTH CONCEPTION”行，每行写出一个
JSON 对象；空行跳过。</translation>
    </message>
    <message>
        <source>Print the lunar month (1 to 12) in force on the date (%1).</source>
        <translation>显示该日期所在的农历月（1 至 12）（%1）。</translation>
    </message>
    <message>
        <source>Print the gender chart: ages %1 by lunar months 1 to 12.</source>
        <translation>显示清宫表：虚岁 %1，农历 1 至 12 月。</translation>
    </message>
    <message>
        <source>Read records &quot;BIRTH CONCEPTION SEX&quot; (SEX: F, M, girl or boy) from standard input and say how often the prediction was right: the table, the accuracy and Cohen&apos;s kappa.</source>
        <translation>从标准输入读取“BIRTH CONCEPTION SEX”记录（SEX：F、M、
girl 或 boy），给出预测正确的频率：列联表、准确率和
Cohen kappa。</translation>
    </message>
    <message>
        <source>With --evaluate: the second date is the baby&apos;s date of birth; conception is taken as %1 days before.</source>
        <translation>与 --evaluate 一起：第二个日期是宝宝的出生日期，受孕日期
取其前 %1 天。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 给出了不止一次</translation>
    </message>
    <message>
        <source>--evaluate goes without a prediction, --batch, --lunar-month and --chart</source>
        <translation>--evaluate 不能与预测、--batch、--lunar-month 或 --chart 一起使用</translation>
    </message>
    <message>
        <source>--from-birth goes with --evaluate only</source>
        <translation>--from-birth 只能与 --evaluate 一起使用</translation>
    </message>
    <message>
        <source>give --birth and --conception, or --batch, --lunar-month or --chart</source>
        <translation>请给出 --birth 和 --conception，或 --batch、--lunar-month、--chart</translation>
    </message>
    <message>
        <source>choose one of a prediction (--birth, --conception), --batch, --lunar-month and --chart</source>
        <translation>预测（--birth、--conception）、--batch、--lunar-month 和 --chart 只能选其一</translation>
    </message>
    <message>
        <source>give only one of --conception, --due and --last-period</source>
        <translation>--conception、--due 和 --last-period 只能给出一个</translation>
    </message>
    <message>
        <source>a prediction needs --birth and one of --conception, --due and --last-period</source>
        <translation>预测需要 --birth，以及 --conception、--due、--last-period 之一</translation>
    </message>
    <message>
        <source>--around goes with a single prediction only</source>
        <translation>--around 只能与单次预测一起使用</translation>
    </message>
    <message>
        <source>--around needs a whole number of days from %1 to %2</source>
        <translation>--around 需要 %1 至 %2 之间的整天数</translation>
    </message>
    <message>
        <source>--explain does not go with --evaluate</source>
        <translation>--explain 不能与 --evaluate 一起使用</translation>
    </message>
    <message>
        <source>--explain goes with a text answer only</source>
        <translation>--explain 只能用于文字回答</translation>
    </message>
    <message>
        <source>--today goes with a prediction or --batch only</source>
        <translation>--today 只能与预测或 --batch 一起使用</translation>
    </message>
    <message>
        <source>--today needs a date that exists, written YYYY-MM-DD</source>
        <translation>--today 需要一个存在的日期，写作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>could not read all input or write all answers</source>
        <translation>无法读取全部输入或写入全部回答</translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation>历法：</translation>
    </message>
    <message>
        <source>%1 days before the due date %2</source>
        <translation>预产期 %2 前 %1 天</translation>
    </message>
    <message>
        <source>%1 days after the first day of the last period %2</source>
        <translation>末次月经第一天 %2 后 %1 天</translation>
    </message>
    <message>
        <source>The date of birth must be written YYYY-MM-DD</source>
        <translation>出生日期必须写作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The date of conception must be written YYYY-MM-DD</source>
        <translation>受孕日期必须写作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The year of birth must be between %1 and %2</source>
        <translation>出生年份必须在 %1 至 %2 之间</translation>
    </message>
    <message>
        <source>The year of conception must be between %1 and %2</source>
        <translation>受孕年份必须在 %1 至 %2 之间</translation>
    </message>
    <message>
        <source>No lunar month is known for the date</source>
        <translation>该日期没有已知的农历月</translation>
    </message>
    <message>
        <source>Expected two dates, BIRTH CONCEPTION, separated by white space</source>
        <translation>应为两个以空白分隔的日期：BIRTH CONCEPTION</translation>
    </message>
    <message>
        <source>The line is longer than %1 characters</source>
        <translation>该行超过 %1 个字符</translation>
    </message>
    <message>
        <source>The due date must be a date that exists, written YYYY-MM-DD</source>
        <translation>预产期必须是存在的日期，写作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The first day of the last period must be a date that exists, written YYYY-MM-DD</source>
        <translation>末次月经第一天必须是存在的日期，写作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>The estimated date of conception, %1 (%2), must be in the years %3 to %4</source>
        <translation>推算的受孕日期 %1（%2）必须在 %3 至 %4 年间</translation>
    </message>
    <message>
        <source>The input cannot be used</source>
        <translation>无法使用该输入</translation>
    </message>
    <message>
        <source>lunar month %1, which began on %2</source>
        <translation>农历 %1 月，始于 %2</translation>
    </message>
    <message>
        <source>lunar month %1, which began before %2, where the table starts</source>
        <translation>农历 %1 月，始于 %2 之前（表从该日开始）</translation>
    </message>
    <message>
        <source>  Calendar: extended, the official Chinese calendar of %1 (the
    program&apos;s own lunar-month table covers %2 only)
</source>
        <translation>  历法：扩展历法，即 %1 年的官方中国农历（程序自带的
    农历月份表只涵盖 %2 年）
</translation>
    </message>
    <message>
        <source>  Disputed: published reckonings put the first day of this lunar month one day
    apart (the new moon falls close to midnight in China); the official
    calendar&apos;s day is taken
</source>
        <translation>  有争议：已发表的推算对该农历月首日相差一天（合朔恰在中国
    午夜前后）；此处采用官方历法的日期
</translation>
    </message>
    <message>
        <source>extended (the official Chinese calendar of %1)</source>
        <translation>扩展历法（%1 年的官方中国农历）</translation>
    </message>
    <message>
        <source>Conception (estimated):</source>
        <translation>受孕日期（推算）：</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age:</source>
        <translation>母亲的虚岁：</translation>
    </message>
    <message>
        <source>Lunar month of conception:</source>
        <translation>受孕农历月：</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>How it was worked out:</source>
        <translation>推算过程：</translation>
    </message>
    <message>
        <source>  Estimated conception: %1
    (by Naegele&apos;s rule the due date is %2 days after the first day of the last
    period, and conception falls about %3 days after that day: an estimate)
</source>
        <translation>  推算的受孕日期：%1
    （按 Naegele 规则，预产期在末次月经第一天后 %2 天，
    受孕约在该日后 %3 天：这是估计）
</translation>
    </message>
    <message>
        <source>  Base age: %1 - %2 = %3 (year of conception minus year of birth; the birthday plays no part)</source>
        <translation>  基本年龄：%1 - %2 = %3（受孕年份减出生年份；与生日无关）</translation>
    </message>
    <message>
        <source>  New-year step: +1, conceived on or after 21 February: Chinese age %1</source>
        <translation>  新年加岁：+1，受孕在 2 月 21 日或之后：虚岁 %1</translation>
    </message>
    <message>
        <source>  New-year step: none, conceived before 21 February: Chinese age %1</source>
        <translation>  新年加岁：无，受孕在 2 月 21 日之前：虚岁 %1</translation>
    </message>
    <message>
        <source>  Conceived on %1: %2</source>
        <translation>  受孕于 %1：%2</translation>
    </message>
    <message>
        <source>  Chart row for age %1, month of conception in brackets:</source>
        <translation>  清宫表中虚岁 %1 的一行，受孕月份在方括号中：</translation>
    </message>
    <message>
        <source>Gender chart: mother&apos;s Chinese age at conception by lunar month of conception</source>
        <translation>清宫表：受孕时母亲的虚岁 × 受孕农历月</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the estimated date of conception, how it was estimated</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Calendar: %1</source>
        <translation>历法：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date, and the lunar month in force on it</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age: %1</source>
        <translation>母亲的虚岁：%1</translation>
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
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示包括 Qt 特有选项的帮助。</translation>
    </message>
</context>
</TS>
