<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Predicts a baby&apos;s gender by the Chinese pregnancy calendar, for fun.
Choose the mother&apos;s date of birth and the date of conception in the window that opens.</source>
        <translation>按中国农历的生男生女清宫表预测宝宝的性别，仅供娱乐。
在打开的窗口中选择母亲的出生日期和受孕日期。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>请运行“%1 --help”了解更多信息。</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Offers the years 1901 to 2099 for the conception (1856 to 2099 for the mother&apos;s birth) and opens on today&apos;s date. The lunar months outside 1960 to 2012 come from the official Chinese calendar.</source>
        <translation>受孕日期可选 1901 至 2099 年（母亲出生日期可选 1856 至
2099 年），并以今天的日期打开。1960 至 2012 年以外的
农历月份取自官方的中国农历。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>未设置 DISPLAY 和 WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>未设置 DISPLAY</translation>
    </message>
    <message>
        <source>the window system could not be reached (DISPLAY is not set)</source>
        <translation>无法连接窗口系统（未设置 DISPLAY）</translation>
    </message>
    <message>
        <source>the window system could not be reached (DISPLAY=%1)</source>
        <translation>无法连接窗口系统（DISPLAY=%1）</translation>
    </message>
    <message>
        <source>cannot open a display: %1; this program needs a graphical desktop</source>
        <translation>无法打开显示器：%1；本程序需要图形桌面</translation>
    </message>
</context>
<context>
    <name>kq::AdvertWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐助(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>在线赚钱(&amp;O)</translation>
    </message>
</context>
<context>
    <name>kq::LinkLabel</name>
    <message>
        <source>link</source>
        <translation>链接</translation>
    </message>
</context>
<context>
    <name>kq::StartProgram</name>
    <message>
        <source>Application is already running</source>
        <translation>程序已在运行中。</translation>
    </message>
</context>
<context>
    <name>kq::Texts</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业良机：开创网上事业，在线赚钱。让本软件换上您网站的品牌。点击此处了解详情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>为您的网站联合冠名本软件，提升访客忠诚度和网站流量：
在这里放上您网站的名称和链接。详见“帮助”。点击此处了解联合冠名的更多信息。</translation>
    </message>
    <message>
        <source>Although KQ Rurevir Ivideruzi Zuduzire is said to very accurate and have a high success rate, but the program is solely a bit of fun and entertainment. Just enjoy it!</source>
        <translation>虽然据说 KQ Rurevir Ivideruzi Zuduzire 非常准确、成功率很高，
但本程序纯属娱乐，仅供一笑。尽情享受吧！</translation>
    </message>
    <message>
        <source>Visit our discussion forum at %1</source>
        <translation>欢迎访问我们的论坛：%1</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>访问我们的网站：%1</translation>
    </message>
</context>
<context>
    <name>kq::frmAbout</name>
    <message>
        <source>Application icon</source>
        <translation>应用程序图标</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Closes the about box</source>
        <translation>关闭“关于”对话框</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>居家创业良机：开创网上事业，在线赚钱。让本软件换上您网站的品牌。</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>点击此处了解详情。</translation>
    </message>
    <message>
        <source>KQ Rurevir Ivideruzi Zuduzire is an interesting program based on the theory of the Chinese Lunar Calendar. Also known as the Chinese Gender Calendar, this calendar was supposedly discovered by a Chinese Scientist about 700 years ago. This program helps the would-be mother to determine the sex of her child on the basis on her own birthday and conception day.</source>
        <translation>KQ Rurevir Ivideruzi Zuduzire 是一款依据中国农历推算的趣味程序。它所用的生男生女表又称“清宫表”（生男生女清宫图），相传是约七百年前一位中国学者所发现。本程序根据准妈妈的出生日期和受孕日期，帮她预测宝宝的性别。</translation>
    </message>
</context>
<context>
    <name>kq::frmDisplay</name>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>Returns to the date entry</source>
        <translation>返回日期输入</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age</source>
        <translation>母亲的虚岁</translation>
    </message>
    <message>
        <source>Predicted gender of the baby</source>
        <translation>预测的宝宝性别</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese Age is</source>
        <translation>母亲的虚岁是</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>预测结果</translation>
    </message>
    <message>
        <source>Color For Baby is</source>
        <translation>宝宝的颜色是</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>检查软件更新(&amp;C)</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese Age is %1. %2</source>
        <translation>母亲的虚岁是 %1。%2</translation>
    </message>
</context>
<context>
    <name>kq::frmMain</name>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>--Date Of Conception Of The Child----</source>
        <translation>--受孕日期----</translation>
    </message>
    <message>
        <source>Date of conception, day</source>
        <translation>受孕日期：日</translation>
    </message>
    <message>
        <source>Date of conception, month</source>
        <translation>受孕日期：月</translation>
    </message>
    <message>
        <source>Date of conception, year</source>
        <translation>受孕日期：年</translation>
    </message>
    <message>
        <source>-----Date Of Birth Of The Mother------</source>
        <translation>-----母亲出生日期------</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, day</source>
        <translation>母亲出生日期：日</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, month</source>
        <translation>母亲出生日期：月</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, year</source>
        <translation>母亲出生日期：年</translation>
    </message>
    <message>
        <source>&amp;Get My Baby&apos;s Gender</source>
        <translation>预测宝宝性别(&amp;G)</translation>
    </message>
    <message>
        <source>Predicts the baby&apos;s gender from the two dates</source>
        <translation>根据两个日期预测宝宝的性别</translation>
    </message>
    <message>
        <source>KQ Rurevir Ivideruzi Zuduzire is both an interesting as well as an informative tool which helps you in predicting the gender of your baby.</source>
        <translation>KQ Rurevir Ivideruzi Zuduzire 有趣又实用，帮您预测宝宝的性别。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Get My Baby&apos;s Gender</source>
        <translation>预测宝宝性别</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
</context>
<context>
    <name>kq::frmNagScreen2</name>
    <message>
        <source>Please support our discussion forum at %1: visit it regularly and take part in its discussions. Your questions and answers help other parents-to-be.</source>
        <translation>请支持我们的论坛 %1：常来看看，参与讨论。您的提问和解答能帮助其他准爸妈。</translation>
    </message>
    <message>
        <source>Enjoyed the program? Help our discussion forum grow: drop in at %1 often and join the conversations. Every visit and every post counts.</source>
        <translation>喜欢这个程序吗？帮我们的论坛成长吧：常到 %1 逛逛，加入讨论。每一次访问、每一条帖子都很重要。</translation>
    </message>
    <message>
        <source>Our discussion forum at %1 lives on its visitors. Come by regularly, ask your questions and share your experience with other families.</source>
        <translation>我们的论坛 %1 因访客而精彩。欢迎常来提问，与其他家庭分享您的经验。</translation>
    </message>
    <message>
        <source>Thank you for using this program! The best way to support it is to visit our discussion forum at %1 regularly and to take part in its discussions.</source>
        <translation>感谢您使用本程序！支持它的最好方式，就是经常访问我们的论坛 %1 并参与讨论。</translation>
    </message>
    <message>
        <source>Application icon</source>
        <translation>应用程序图标</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1 now</source>
        <translation>好的，现在就带我去论坛 %1</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>下载 Corvane Softwares 的软件</translation>
    </message>
    <message>
        <source>Corvane Softwares makes more small, free and easy programs for your family and your home. You will find all of them at %1 - have a look, there may be one you like.</source>
        <translation>Corvane Softwares 还为您的家庭和生活制作了更多小巧、免费又好用的程序。全部都在 %1，快去看看，说不定有您喜欢的。</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>点击此处访问 Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推荐(&amp;N)</translation>
    </message>
    <message>
        <source>Opens the referral in your web browser</source>
        <translation>在网页浏览器中打开推荐页面</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>结束本程序</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮件地址不能包含空格</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>请输入两个不同的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入有效的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>请输入您的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>请输入朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>本软件可能有新版本可供更新。</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>要检查更新吗？</translation>
    </message>
</context>
</TS>
