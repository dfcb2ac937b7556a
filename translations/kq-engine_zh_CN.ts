<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉红色</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby</source>
        <translation>恭喜！预测您将迎来</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a</source>
        <translation>恭喜！预测您的宝宝是</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of of Conception !</source>
        <translation>请输入正确的受孕日期！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Conception !</source>
        <translation>请输入正确的受孕日期！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Birth !</source>
        <translation>请输入正确的母亲出生日期！</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby Boy</source>
        <translation>恭喜！预测您将迎来一个男孩</translation>
    </message>
    <message>
        <source>Congratulations!! Your predicted to have a Baby Girl</source>
        <translation>恭喜！预测您将迎来一个女孩</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a Boy</source>
        <translation>恭喜！预测您的宝宝是男孩</translation>
    </message>
    <message>
        <source>Congratulations!! Your Baby is predicted to be a Girl</source>
        <translation>恭喜！预测您的宝宝是女孩</translation>
    </message>
    <message>
        <source>                      Check The Date Of Conception.<byte value="xd"/>
%1</source>
        <extracomment>The message box for an age outside the chart&apos;s; %1 is the age limits&apos; line.</extracomment>
        <translation>请检查受孕日期。
%1</translation>
    </message>
    <message>
        <source>Mother&apos;s Age Must Be Between %1 to %2 at Time Of Conception !</source>
        <translation>受孕时母亲的虚岁必须在 %1 至 %2 岁之间！</translation>
    </message>
</context>
</TS>
