<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutBackground</name>
    <message>
        <source>Designed and written by the Quillforge developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tested by the Quillforge developers and our users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks to everyone who reported a fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Quillforge developers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail address of the Quillforge developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillforge support:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail address of Quillforge support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillforge web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © The Quillforge developers. This program comes with absolutely no warranty, to the extent permitted by law.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emoticons and artwork by the Quillforge developers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BBCodeAssistant</name>
    <message>
        <source>BBCode Assistant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assistant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add List item:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbered:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardWarnings</name>
    <message>
        <source>This post uses %1&apos;s font sizes (%2), but your site runs %3, which reads them as percentages: &quot;Large&quot; text would show at 18 % of the normal size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This post uses %1&apos;s font sizes (%2), but your site runs %3, which reads them as pixels and shows any above 29 as typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert this size to %1&apos;s (%2)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert these %3 sizes to %1&apos;s (%2)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board will change this post:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board will refuse this post:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BodyZoom</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserMode</name>
    <message>
        <source>Send Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>The browser component could not be loaded.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview post</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>&quot;%1&quot; is not a file: only a post file (.bbc) or a text file can be dropped here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a picture, and a post holds only text. Put the picture on the web, then add its address with the Img button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text file: only a post file (.bbc) or a text file can be dropped here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than the editor can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 MB of text. Put all of it into the post?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileIO</name>
    <message>
        <source>Nothing could be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; belongs to another user, so the program leaves it as it is; what it keeps there may be readable by others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made private.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find and replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular Expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Regular Expression, \1 to \99 stand for the match&apos;s groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continued from the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continued from the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a valid expression: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>the match selected, of all the matches</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>a count, then a notice</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForumList</name>
    <message>
        <source>Please define forums in the options in edit menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForumListFile</name>
    <message>
        <source>It is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LivePreviewPane</name>
    <message>
        <source>Live preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The live preview cannot be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No change in post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post Saved, No change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post a new topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View More Emoticons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable assistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New topic in Forum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply to post no.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract your site&apos;s forums and update them in Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Post...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve Post as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy post to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previe&amp;w post...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Op&amp;tions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Quillforge &amp;Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Board Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy post to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The post&apos;s length as the board counts it, and the most it takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>characters counted, of the most the board takes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message body and live preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Colours and Sizes When Pasting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site the post is for; add sites in Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words a reader of the post will see; BBCode tags are not counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoreEmoticonsWindow</name>
    <message>
        <source>neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Emoticons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract forums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the site address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify the exact address (URL) of the forum you will submit topic to. for example (%1). (Note: some Times letter capitalization makes a difference)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then Check that this is the correct address by clicking the test address below, please be sure that you will have the index page of the forum displayed, otherwise check the address you entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Adress (URL):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Adress (URL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board software:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic: the kind found on the site&apos;s index or posting page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This window will help you to extract the forum names from your site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please write down the address of the index page of the forum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address of the index page of the forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Extracting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forums found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem extracting the forums from your site.<byte value="xd"/>
either the address is wrong, or your forum is not compatible with Quillforge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sites:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Forum %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the site &quot;%1&quot;?<byte value="xd"/>
Its forum list and its login are deleted when you save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>BBCode File (*.bbc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PostBackground</name>
    <message>
        <source>Open forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write, preview and send your forum posts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PostFiles</name>
    <message>
        <source>You made some changed to your post, and didn&apos;t save it yet.<byte value="xd"/>
Do you want to save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than the editor can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, File format is not correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.<byte value="xd"/>
Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed on disk since you opened or last saved it, perhaps by another window or program.<byte value="xd"/>
Do you want to replace it with your post?<byte value="xd"/>
<byte value="xd"/>
Yes replaces it, No saves your post under another name, Cancel does not save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The post file &quot;%1&quot; is no longer there. It is taken off the list of recent posts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewBackground</name>
    <message>
        <source>Preview post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuoteManager</name>
    <message>
        <source>Quote Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posted by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posted by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the text you want to quote then press Quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text selected, Do you want to Quote the whole post?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentPosts</name>
    <message>
        <source>&amp;Recent Posts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>No recovery copy of the post can be kept in &quot;%1&quot; (%2). Save your post to keep it safe.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>It was left where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was kept as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; is damaged and cannot be restored.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; cannot be read.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillforge was not closed properly. Restore the post you were writing?<byte value="xd"/>
<byte value="xd"/>
Title: %1<byte value="xd"/>
Written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverySlot</name>
    <message>
        <source>Another running editor holds the lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock file cannot be created: permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock file cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeScale</name>
    <message>
        <source>Tiny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Huge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>Add to Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SubmitChecks</name>
    <message>
        <source>you didn&apos;t specify a valid site address, please specify one at the options window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the type of your post, is it a New post or a reply?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify the topic number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post Number is not correctly specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify the Forum</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagTable</name>
    <message>
        <source>Bold  (CTRL+B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold text: [b]text[/b]   (CTRL+B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic  (CTRL+I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic text: [i]text[/i]   (CTRL+I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline  (CTRL+U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline text: [u]text[/u]   (CTRL+U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote text: [quote]text[/quote]   (CTRL+Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Formatted text  (CTRL+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code display: [code]code[/code]   (CTRL+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List: [list]text[/list]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered list: [list=]text[/list]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Image  (CTRL+M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert image: [img]http://image_url[/img]   (CTRL+M) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Address  (CTRL+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert URL: [url]http://url[/url] or [url=http://url]URL text[/url]   (CTRL+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Item: [*]Text , must be used with  [list] or [list=]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very happy<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surprised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laughing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Razz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imbarassed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evil or very mad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twisted Evil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolling Eyes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execlamation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Assistant mode to have advanced options for URL, img, List and List=</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WritingHelp</name>
    <message>
        <source>Check &amp;Spelling as You Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline misspelt words in the title and the post as you type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling &amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the dictionary that spelling is checked with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour tags, values, code, quotes and emoticons, and mark tags left open or closing nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check spelling in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highlight BBCode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spelling dictionary is installed (Debian&apos;s hunspell-en-us package is one)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
