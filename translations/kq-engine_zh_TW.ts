<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>EngineWords</name>
    <message>
        <source>Boy</source>
        <translation>男孩</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>女孩</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby</source>
        <translation>恭喜！預測您將迎來</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a</source>
        <translation>恭喜！預測您的寶寶是</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of of Conception !</source>
        <translation>請輸入正確的受孕日期！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Conception !</source>
        <translation>請輸入正確的受孕日期！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Birth !</source>
        <translation>請輸入正確的母親出生日期！</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby Boy</source>
        <translation>恭喜！預測您將迎來一個男孩</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby Girl</source>
        <translation>恭喜！預測您將迎來一個女孩</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a Boy</source>
        <translation>恭喜！預測您的寶寶是男孩</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a Girl</source>
        <translation>恭喜！預測您的寶寶是女孩</translation>
    </message>
    <message>
        <source>                      Check The Date Of Conception.<byte value="xd"/>
%1</source>
        <extracomment>The message box for an age outside the chart&apos;s; %1 is the age limits&apos; line.</extracomment>
        <translation>請檢查受孕日期。
%1</translation>
    </message>
    <message>
        <source>Mother&apos;s Age Must Be Between %1 to %2 at Time Of Conception !</source>
        <translation>受孕時母親的虛歲必須介於 %1 至 %2 歲之間！</translation>
    </message>
</context>
</TS>
