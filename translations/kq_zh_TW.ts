<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CommandLine</name>
    <message>
        <source>Predicts a baby&apos;s gender by the Chinese pregnancy calendar, for fun.
Choose the mother&apos;s date of birth and the date of conception in the window that opens.</source>
        <translation>按中國農曆的生男生女清宮表預測寶寶的性別，僅供娛樂。
在開啟的視窗中選擇母親的出生日期和受孕日期。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>請執行「%1 --help」以取得更多資訊。</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>顯示指令列選項的說明。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>顯示版本資訊。</translation>
    </message>
    <message>
        <source>Offers the years 1901 to 2099 for the conception (1856 to 2099 for the mother&apos;s birth) and opens on today&apos;s date. The lunar months outside 1960 to 2012 come from the official Chinese calendar.</source>
        <translation>受孕日期可選 1901 至 2099 年（母親出生日期可選 1856 至
2099 年），並以今天的日期開啟。1960 至 2012 年以外的
農曆月份取自官方的中國農曆。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多餘的引數「%1」</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>未設定 DISPLAY 和 WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>未設定 DISPLAY</translation>
    </message>
    <message>
        <source>the window system could not be reached (DISPLAY is not set)</source>
        <translation>無法連接視窗系統（未設定 DISPLAY）</translation>
    </message>
    <message>
        <source>the window system could not be reached (DISPLAY=%1)</source>
        <translation>無法連接視窗系統（DISPLAY=%1）</translation>
    </message>
    <message>
        <source>cannot open a display: %1; this program needs a graphical desktop</source>
        <translation>無法開啟顯示器：%1；本程式需要圖形桌面</translation>
    </message>
</context>
<context>
    <name>kq::AdvertWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>線上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>造訪我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟體(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐款(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>線上賺錢(&amp;O)</translation>
    </message>
</context>
<context>
    <name>kq::LinkLabel</name>
    <message>
        <source>link</source>
        <translation>連結</translation>
    </message>
</context>
<context>
    <name>kq::StartProgram</name>
    <message>
        <source>Application is already running</source>
        <translation>程式已在執行中。</translation>
    </message>
</context>
<context>
    <name>kq::Texts</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家創業良機：開創網路事業，線上賺錢。讓本軟體換上您網站的品牌。按這裡了解詳情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>為您的網站聯合冠名本軟體，提升訪客忠誠度與網站流量：
在這裡放上您網站的名稱和連結。詳見「說明」。按這裡了解聯合冠名的更多資訊。</translation>
    </message>
    <message>
        <source>Although KQ Rurevir Ivideruzi Zuduzire is said to very accurate and have a high success rate, but the program is solely a bit of fun and entertainment. Just enjoy it!</source>
        <translation>雖然據說 KQ Rurevir Ivideruzi Zuduzire 非常準確、成功率很高，
但本程式純屬娛樂，僅供一笑。盡情享受吧！</translation>
    </message>
    <message>
        <source>Visit our discussion forum at %1</source>
        <translation>歡迎造訪我們的討論區：%1</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>造訪我們的網站：%1</translation>
    </message>
</context>
<context>
    <name>kq::frmAbout</name>
    <message>
        <source>Application icon</source>
        <translation>應用程式圖示</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>Closes the about box</source>
        <translation>關閉「關於」對話方塊</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>居家創業良機：開創網路事業，線上賺錢。讓本軟體換上您網站的品牌。</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>按這裡了解詳情。</translation>
    </message>
    <message>
        <source>KQ Rurevir Ivideruzi Zuduzire is an interesting program based on the theory of the Chinese Lunar Calendar. Also known as the Chinese Gender Calendar, this calendar was supposedly discovered by a Chinese Scientist about 700 years ago. This program helps the would-be mother to determine the sex of her child on the basis on her own birthday and conception day.</source>
        <translation>KQ Rurevir Ivideruzi Zuduzire 是一款依據中國農曆推算的趣味程式。它所用的生男生女表又稱「清宮表」（生男生女清宮圖），相傳是約七百年前一位中國學者所發現。本程式依據準媽媽的出生日期與受孕日期，幫她預測寶寶的性別。</translation>
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
        <translation>返回日期輸入</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese age</source>
        <translation>母親的虛歲</translation>
    </message>
    <message>
        <source>Predicted gender of the baby</source>
        <translation>預測的寶寶性別</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese Age is</source>
        <translation>母親的虛歲是</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>預測結果</translation>
    </message>
    <message>
        <source>Color For Baby is</source>
        <translation>寶寶的顏色是</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>檢查軟體更新(&amp;C)</translation>
    </message>
    <message>
        <source>Mother&apos;s Chinese Age is %1. %2</source>
        <translation>母親的虛歲是 %1。%2</translation>
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
        <translation>-----母親出生日期------</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, day</source>
        <translation>母親出生日期：日</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, month</source>
        <translation>母親出生日期：月</translation>
    </message>
    <message>
        <source>Mother&apos;s date of birth, year</source>
        <translation>母親出生日期：年</translation>
    </message>
    <message>
        <source>&amp;Get My Baby&apos;s Gender</source>
        <translation>預測寶寶性別(&amp;G)</translation>
    </message>
    <message>
        <source>Predicts the baby&apos;s gender from the two dates</source>
        <translation>根據兩個日期預測寶寶的性別</translation>
    </message>
    <message>
        <source>KQ Rurevir Ivideruzi Zuduzire is both an interesting as well as an informative tool which helps you in predicting the gender of your baby.</source>
        <translation>KQ Rurevir Ivideruzi Zuduzire 有趣又實用，幫您預測寶寶的性別。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Get My Baby&apos;s Gender</source>
        <translation>預測寶寶性別</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>檢查軟體更新(&amp;U)</translation>
    </message>
</context>
<context>
    <name>kq::frmNagScreen2</name>
    <message>
        <source>Please support our discussion forum at %1: visit it regularly and take part in its discussions. Your questions and answers help other parents-to-be.</source>
        <translation>請支持我們的討論區 %1：常來逛逛，參與討論。您的提問與解答能幫助其他準爸媽。</translation>
    </message>
    <message>
        <source>Enjoyed the program? Help our discussion forum grow: drop in at %1 often and join the conversations. Every visit and every post counts.</source>
        <translation>喜歡這個程式嗎？幫我們的討論區成長吧：常到 %1 逛逛，加入討論。每一次造訪、每一篇貼文都很重要。</translation>
    </message>
    <message>
        <source>Our discussion forum at %1 lives on its visitors. Come by regularly, ask your questions and share your experience with other families.</source>
        <translation>我們的討論區 %1 因訪客而精彩。歡迎常來提問，與其他家庭分享您的經驗。</translation>
    </message>
    <message>
        <source>Thank you for using this program! The best way to support it is to visit our discussion forum at %1 regularly and to take part in its discussions.</source>
        <translation>感謝您使用本程式！支持它的最好方式，就是經常造訪我們的討論區 %1 並參與討論。</translation>
    </message>
    <message>
        <source>Application icon</source>
        <translation>應用程式圖示</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1 now</source>
        <translation>好，現在就帶我去討論區 %1</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>下載 Corvane Softwares 的軟體</translation>
    </message>
    <message>
        <source>Corvane Softwares makes more small, free and easy programs for your family and your home. You will find all of them at %1 - have a look, there may be one you like.</source>
        <translation>Corvane Softwares 還為您的家庭與生活製作了更多小巧、免費又好用的程式。全部都在 %1，快去看看，說不定有您喜歡的。</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>按這裡造訪 Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推薦給朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推薦(&amp;N)</translation>
    </message>
    <message>
        <source>Opens the referral in your web browser</source>
        <translation>在網頁瀏覽器中開啟推薦頁面</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>結束本程式</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>電子郵件地址不可包含空格</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>請輸入兩個不同的電子郵件地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>請輸入有效的電子郵件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>請輸入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>請輸入您的電子郵件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>請輸入您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>請輸入朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>請輸入朋友的電子郵件地址</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的電子郵件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的電子郵件地址</translation>
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
        <translation>本軟體可能有新版本可供更新。</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>要檢查更新嗎？</translation>
    </message>
</context>
</TS>
