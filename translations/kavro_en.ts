<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CoreTexts</name>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Please enter no more than %n characters.</numerusform>
            <numerusform>Please enter no more than %n characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n channel ordered, %2 without a match</numerusform>
            <numerusform>%n channels ordered, %2 without a match</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>delete %n channel</numerusform>
            <numerusform>delete %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>move %n channel</numerusform>
            <numerusform>move %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>set favorites of %n channel</numerusform>
            <numerusform>set favorites of %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>sort %n channel by name</numerusform>
            <numerusform>sort %n channels by name</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>sort %n channel by service ID</numerusform>
            <numerusform>sort %n channels by service ID</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>sort %n channel by transponder</numerusform>
            <numerusform>sort %n channels by transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>%n channel copied, %2 updated, %3 skipped as present, %4 not importable</numerusform>
            <numerusform>%n channels copied, %2 updated, %3 skipped as present, %4 not importable</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>satellite %1 &quot;%2&quot; is not shown: its %n channel appears in no tree</numerusform>
            <numerusform>satellite %1 &quot;%2&quot; is not shown: its %n channels appear in no tree</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>favourite group %1 holds %n channel but has no name</numerusform>
            <numerusform>favourite group %1 holds %n channels but has no name</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>import %n channel from %2</numerusform>
            <numerusform>import %n channels from %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n channel</numerusform>
            <numerusform>%n channels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>%n channel ticked</numerusform>
            <numerusform>%n channels ticked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>%n transponder added.</numerusform>
            <numerusform>%n transponders added.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>Exported %n channel to %1</numerusform>
            <numerusform>Exported %n channels to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>transponder %1 and its %n channel</numerusform>
            <numerusform>transponder %1 and its %n channels</numerusform>
        </translation>
    </message>
</context>
</TS>
