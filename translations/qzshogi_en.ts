<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="QZ 氷結将棋">
        <source></source>
        <translation>QZ Frozen Shogi</translation>
    </message>
    <message id="対局">
        <source></source>
        <translation>Game</translation>
    </message>
    <message id="対局(人間)">
        <source></source>
        <translation>Game (two players)</translation>
    </message>
    <message id="スタート">
        <source></source>
        <translation>Start</translation>
    </message>
    <message id="対局(COM)">
        <source></source>
        <translation>Game (computer)</translation>
    </message>
    <message id="先手">
        <source></source>
        <translation>First</translation>
    </message>
    <message id="後手">
        <source></source>
        <translation>Second</translation>
    </message>
    <message id="COM対局ﾚﾍﾞﾙ">
        <source></source>
        <translation>Computer level</translation>
    </message>
    <message id="LEVEL1">
        <source></source>
        <translation>Level 1</translation>
    </message>
    <message id="LEVEL2">
        <source></source>
        <translation>Level 2</translation>
    </message>
    <message id="LEVEL3">
        <source></source>
        <translation>Level 3</translation>
    </message>
    <message id="終わり">
        <source></source>
        <translation>Quit</translation>
    </message>
    <message id="局面">
        <source></source>
        <translation>Position</translation>
    </message>
    <message id="最初">
        <source></source>
        <translation>Start position</translation>
    </message>
    <message id="反転">
        <source></source>
        <translation>Turn board</translation>
    </message>
    <message id="戻">
        <source></source>
        <translation>Back</translation>
    </message>
    <message id="進">
        <source></source>
        <translation>Forward</translation>
    </message>
    <message id="△">
        <source></source>
        <translation>△</translation>
    </message>
    <message id="▽">
        <source></source>
        <translation>▽</translation>
    </message>
    <message id="棋譜">
        <source></source>
        <translation>Record</translation>
    </message>
    <message id="読込">
        <source></source>
        <translation>Open</translation>
    </message>
    <message id="書込">
        <source></source>
        <translation>Save</translation>
    </message>
    <message id="ｵﾌﾟｼｮﾝ">
        <source></source>
        <translation>Options</translation>
    </message>
    <message id="背景画">
        <source></source>
        <translation>Background</translation>
    </message>
    <message id="緑">
        <source></source>
        <translation>Green</translation>
    </message>
    <message id="畳">
        <source></source>
        <translation>Tatami</translation>
    </message>
    <message id="竹">
        <source></source>
        <translation>Bamboo</translation>
    </message>
    <message id="宇宙">
        <source></source>
        <translation>Space</translation>
    </message>
    <message id="煉瓦">
        <source></source>
        <translation>Brick</translation>
    </message>
    <message id="移動指導">
        <source></source>
        <translation>Move guidance</translation>
    </message>
    <message id="経過時間">
        <source></source>
        <translation>Clocks</translation>
    </message>
    <message id="BGM">
        <source></source>
        <translation>Music</translation>
    </message>
    <message id="その他">
        <source></source>
        <translation>About</translation>
    </message>
    <message id="はい">
        <source></source>
        <translation>Yes</translation>
    </message>
    <message id="いいえ">
        <source></source>
        <translation>No</translation>
    </message>
    <message id="対 局 名：">
        <source></source>
        <translation>Game:</translation>
    </message>
    <message id="先    手 ：">
        <source></source>
        <translation>First:</translation>
    </message>
    <message id="後    手 ：">
        <source></source>
        <translation>Second:</translation>
    </message>
    <message id="ﾌｧｲﾙ名 ：">
        <source></source>
        <translation>File name:</translation>
    </message>
    <message id="RETURN">
        <source></source>
        <translation>Save</translation>
    </message>
    <message id="37文字に足りません（%1文字）">
        <source></source>
        <translation>shorter than 37 characters (%1 characters)</translation>
    </message>
    <message id="「改行」">
        <source></source>
        <translation>“line break”</translation>
    </message>
    <message id="対局名">
        <source></source>
        <translation>The game name</translation>
    </message>
    <message id="%1に棋譜ﾌｧｲﾙに書けない文字があります：%2">
        <source></source>
        <translation>%1 has characters a record file cannot hold: %2</translation>
    </message>
    <message id="%1手目の記録が正しくありません（%2）">
        <source></source>
        <translation>The record of move %1 is not valid (%2)</translation>
    </message>
    <message id="移動元（%1, %2）が盤にも駒台にもありません">
        <source></source>
        <translation>the from-square (%1, %2) is neither on the board nor on a stand</translation>
    </message>
    <message id="移動先（%1, %2）が盤の外です">
        <source></source>
        <translation>the to-square (%1, %2) is off the board</translation>
    </message>
    <message id="移動後の駒（%1）が駒コードではありません">
        <source></source>
        <translation>the piece after the move (%1) is not a piece code</translation>
    </message>
    <message id="移動前の駒（%1）が駒コードではありません">
        <source></source>
        <translation>the piece before the move (%1) is not a piece code</translation>
    </message>
    <message id="取った駒（%1）が駒コードではありません">
        <source></source>
        <translation>the captured piece (%1) is not a piece code</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙの%1行目が正しくありません（%2）。%1行目から先は読み込みません">
        <source></source>
        <translation>Line %1 of the record file is not valid (%2). Nothing from line %1 on is read.</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません">
        <source></source>
        <translation>The record file holds no moves</translation>
    </message>
    <message id="%1 %2手 読み込みました">
        <source></source>
        <translation>%1: %2 moves read</translation>
    </message>
    <message id="棋譜を '進 'で進めて下さい">
        <source></source>
        <translation>Step through the record with &apos;Forward&apos;</translation>
    </message>
    <message id="ﾌｫﾙﾀﾞがありません">
        <source></source>
        <translation>The folder does not exist</translation>
    </message>
    <message id="ﾌｧｲﾙがありません">
        <source></source>
        <translation>The file does not exist</translation>
    </message>
    <message id="書き込みが許可されていません">
        <source></source>
        <translation>Writing is not permitted</translation>
    </message>
    <message id="読み込みが許可されていません">
        <source></source>
        <translation>Reading is not permitted</translation>
    </message>
    <message id="書き込み禁止のﾃﾞｨｽｸです">
        <source></source>
        <translation>The disk is write-protected</translation>
    </message>
    <message id="ﾃﾞｨｽｸがいっぱいです">
        <source></source>
        <translation>The disk is full</translation>
    </message>
    <message id="同じ名前のﾌｫﾙﾀﾞがあります">
        <source></source>
        <translation>A folder of the same name exists</translation>
    </message>
    <message id="ﾌｫﾙﾀﾞです">
        <source></source>
        <translation>It is a folder</translation>
    </message>
    <message id="「制御文字」">
        <source></source>
        <translation>“control character”</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙが大きすぎます">
        <source></source>
        <translation>The record file is too large</translation>
    </message>
    <message id="ﾌｧｲﾙ名が入力されていません">
        <source></source>
        <translation>No file name has been entered</translation>
    </message>
    <message id="保存するデータがありません">
        <source></source>
        <translation>There are no moves to save</translation>
    </message>
    <message id="棋譜保存">
        <source></source>
        <translation>Save record</translation>
    </message>
    <message id="ﾌｧｲﾙ名に使えない文字があります：%1">
        <source></source>
        <translation>The file name holds characters that cannot be used: %1</translation>
    </message>
    <message id="棋譜を書き込みました">
        <source></source>
        <translation>The record has been saved</translation>
    </message>
    <message id="「対局」で始めて下さい">
        <source></source>
        <translation>Start a game from &apos;Game&apos;</translation>
    </message>
    <message id="開始">
        <source></source>
        <translation>Start</translation>
    </message>
    <message id="進む">
        <source></source>
        <translation>Forward</translation>
    </message>
    <message id="できません">
        <source></source>
        <translation>Not possible</translation>
    </message>
    <message id="戻る">
        <source></source>
        <translation>Back</translation>
    </message>
    <message id="歩">
        <source></source>
        <translation>P</translation>
    </message>
    <message id="と">
        <source></source>
        <translation>+P</translation>
    </message>
    <message id="香">
        <source></source>
        <translation>L</translation>
    </message>
    <message id="香成">
        <source></source>
        <translation>+L</translation>
    </message>
    <message id="桂">
        <source></source>
        <translation>N</translation>
    </message>
    <message id="桂成">
        <source></source>
        <translation>+N</translation>
    </message>
    <message id="銀">
        <source></source>
        <translation>S</translation>
    </message>
    <message id="銀成">
        <source></source>
        <translation>+S</translation>
    </message>
    <message id="金">
        <source></source>
        <translation>G</translation>
    </message>
    <message id="角">
        <source></source>
        <translation>B</translation>
    </message>
    <message id="角成">
        <source></source>
        <translation>+B</translation>
    </message>
    <message id="飛">
        <source></source>
        <translation>R</translation>
    </message>
    <message id="飛成">
        <source></source>
        <translation>+R</translation>
    </message>
    <message id="王">
        <source></source>
        <translation>K</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人">
        <source></source>
        <translation>Handicap: Meijin</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段">
        <source></source>
        <translation>Handicap: 8-dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段">
        <source></source>
        <translation>Handicap: 7-dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段">
        <source></source>
        <translation>Handicap: 6-dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段">
        <source></source>
        <translation>Handicap: 5-dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段">
        <source></source>
        <translation>Handicap: 4-dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段">
        <source></source>
        <translation>Handicap: 3-dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段">
        <source></source>
        <translation>Handicap: 2-dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段">
        <source></source>
        <translation>Handicap: 1-dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級">
        <source></source>
        <translation>Handicap: 1-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級">
        <source></source>
        <translation>Handicap: 2-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級">
        <source></source>
        <translation>Handicap: 3-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級">
        <source></source>
        <translation>Handicap: 4-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級">
        <source></source>
        <translation>Handicap: 5-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級">
        <source></source>
        <translation>Handicap: 6-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級">
        <source></source>
        <translation>Handicap: 7-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級">
        <source></source>
        <translation>Handicap: 8-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級">
        <source></source>
        <translation>Handicap: 9-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級">
        <source></source>
        <translation>Handicap: 10-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級">
        <source></source>
        <translation>Handicap: 11-kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級">
        <source></source>
        <translation>Handicap: 12-kyu</translation>
    </message>
    <message id="手目">
        <source></source>
        <translation>moves</translation>
    </message>
    <message id="思考中">
        <source></source>
        <translation>Thinking</translation>
    </message>
    <message id="あなた">
        <source></source>
        <translation>You</translation>
    </message>
    <message id="ｺﾝﾋﾟｭｰﾀ">
        <source></source>
        <translation>The computer</translation>
    </message>
    <message id="よし！!">
        <source></source>
        <translation>Checkmate!</translation>
    </message>
    <message id="詰め ?">
        <source></source>
        <translation>Mate</translation>
    </message>
    <message id="   ** 王手 **">
        <source></source>
        <translation>   ** Check **</translation>
    </message>
    <message id="先手の番です">
        <source></source>
        <translation>First player to move</translation>
    </message>
    <message id="後手の番です">
        <source></source>
        <translation>Second player to move</translation>
    </message>
    <message id="MANの番です">
        <source></source>
        <translation>Your move</translation>
    </message>
    <message id="%1の勝ちです">
        <source></source>
        <translation>%1 won</translation>
    </message>
    <message id="終了">
        <source></source>
        <translation>Game over</translation>
    </message>
    <message id="続けますか？">
        <source></source>
        <translation>Play again?</translation>
    </message>
    <message id="再ゲーム">
        <source></source>
        <translation>New game</translation>
    </message>
    <message id="OKですか？">
        <source></source>
        <translation>Ready?</translation>
    </message>
    <message id="再開(COM)">
        <source></source>
        <translation>Resume (computer)</translation>
    </message>
    <message id="マウスの右をクリックして下さい">
        <source></source>
        <translation>Click with the right mouse button</translation>
    </message>
    <message id="成り">
        <source></source>
        <translation>Promotion</translation>
    </message>
    <message id="棋譜ﾓｰﾄﾞではできません">
        <source></source>
        <translation>Not possible while a record is loaded</translation>
    </message>
    <message id="対局途中ではできません">
        <source></source>
        <translation>Not possible during a game</translation>
    </message>
    <message id="反転後ではできません">
        <source></source>
        <translation>Not possible after turning the board</translation>
    </message>
    <message id="局面→最初にして下さい">
        <source></source>
        <translation>Choose Position → Start position first</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定">
        <source></source>
        <translation>Handicap</translation>
    </message>
    <message id="反転後は書き込みできません">
        <source></source>
        <translation>A turned board cannot be saved</translation>
    </message>
    <message id="棋譜書込">
        <source></source>
        <translation>Save record</translation>
    </message>
    <message id="ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません">
        <source></source>
        <translation>A game with a handicap cannot be saved</translation>
    </message>
    <message id="ﾃﾞﾊﾞｲｽが準備できていません">
        <source></source>
        <translation>The device is not ready</translation>
    </message>
    <message id="ｴﾗｰ">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="読み取りが許可されていません。">
        <source></source>
        <translation>Reading is not permitted.</translation>
    </message>
    <message id="ファイルではなくフォルダです。">
        <source></source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message id="ファイルが見つかりません。">
        <source></source>
        <translation>The file cannot be found.</translation>
    </message>
    <message id="読み込み中にエラーが発生しました（%1）。">
        <source></source>
        <translation>An error occurred while reading (%1).</translation>
    </message>
    <message id="ファイルが大きすぎます。">
        <source></source>
        <translation>The file is too large.</translation>
    </message>
    <message id="ファイルが空です。">
        <source></source>
        <translation>The file is empty.</translation>
    </message>
    <message id="「%1」を読み込めません。%2">
        <source></source>
        <translation>“%1” cannot be read. %2</translation>
    </message>
    <message id="「%1」を読み込めません。再生できる WAV 形式の音ではありません。">
        <source></source>
        <translation>“%1” cannot be read. It is not a WAV sound that can be played.</translation>
    </message>
    <message id="Direct Soundインターフェースが作成できません。">
        <source></source>
        <translation>The sound system cannot be started.</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙを読み込めませんでした">
        <source></source>
        <translation>The record file could not be read</translation>
    </message>
    <message id="棋譜を書き込めませんでした">
        <source></source>
        <translation>The record could not be saved</translation>
    </message>
    <message id="バージョン %1">
        <source></source>
        <translation>Version %1</translation>
    </message>
    <message id="敵の駒が利いている升にある駒は氷結して動けず、王手された王も氷結するので、王手は王手した駒を取るか合駒をして防ぐしかありません。">
        <source></source>
        <translation>A piece on a square an enemy piece bears on is frozen and cannot move. A king in check is frozen too, so a check is answered only by capturing the checking piece or by putting a piece in between.</translation>
    </message>
    <message id="表示倍率">
        <source></source>
        <translation>Scale</translation>
    </message>
    <message id="COMの投了">
        <source></source>
        <translation>Computer resigns</translation>
    </message>
    <message id="ファイルを開く…">
        <source></source>
        <translation>Open file…</translation>
    </message>
    <message id="KIFで保存…">
        <source></source>
        <translation>Save as KIF…</translation>
    </message>
    <message id="CSAで保存…">
        <source></source>
        <translation>Save as CSA…</translation>
    </message>
    <message id="編集">
        <source></source>
        <translation>Edit</translation>
    </message>
    <message id="局面をコピー (SFEN)">
        <source></source>
        <translation>Copy position (SFEN)</translation>
    </message>
    <message id="棋譜をコピー (KIF)">
        <source></source>
        <translation>Copy game (KIF)</translation>
    </message>
    <message id="棋譜をコピー (USI)">
        <source></source>
        <translation>Copy game (USI)</translation>
    </message>
    <message id="貼り付け">
        <source></source>
        <translation>Paste</translation>
    </message>
    <message id="書き込み禁止のﾌｧｲﾙです">
        <source></source>
        <translation>The file is write-protected</translation>
    </message>
    <message id="通常のファイルではありません。">
        <source></source>
        <translation>It is not a regular file.</translation>
    </message>
    <message id="LEVEL4">
        <source></source>
        <translation>Level 4</translation>
    </message>
    <message id="LEVEL5">
        <source></source>
        <translation>Level 5</translation>
    </message>
    <message id="ヒント">
        <source></source>
        <translation>Hint</translation>
    </message>
    <message id="投了">
        <source></source>
        <translation>Resign</translation>
    </message>
    <message id="待った">
        <source></source>
        <translation>Take back</translation>
    </message>
    <message id="棋譜一覧">
        <source></source>
        <translation>Move list</translation>
    </message>
    <message id="移動先が盤の外です">
        <source></source>
        <translation>The destination is off the board</translation>
    </message>
    <message id="移動元が盤の外です">
        <source></source>
        <translation>The origin is off the board</translation>
    </message>
    <message id="移動元に駒がありません">
        <source></source>
        <translation>There is no piece on the origin square</translation>
    </message>
    <message id="成れない駒です">
        <source></source>
        <translation>This piece cannot promote</translation>
    </message>
    <message id="駒の種類が分かりません">
        <source></source>
        <translation>Unknown kind of piece</translation>
    </message>
    <message id="手番でない側の駒です">
        <source></source>
        <translation>The piece belongs to the side not to move</translation>
    </message>
    <message id="打てない駒です">
        <source></source>
        <translation>This piece cannot be dropped</translation>
    </message>
    <message id="打つ駒を持っていません">
        <source></source>
        <translation>The piece to drop is not in hand</translation>
    </message>
    <message id="打つ升に駒があります">
        <source></source>
        <translation>The drop square is occupied</translation>
    </message>
    <message id="打った駒は成れません">
        <source></source>
        <translation>A dropped piece cannot promote</translation>
    </message>
    <message id="移動元と移動先が同じ升です">
        <source></source>
        <translation>The origin and destination are the same square</translation>
    </message>
    <message id="移動元の駒は手番の側の駒ではありません">
        <source></source>
        <translation>The piece on the origin square is not the side to move&apos;s</translation>
    </message>
    <message id="移動元の駒の種類が違います">
        <source></source>
        <translation>The piece on the origin square is of another kind</translation>
    </message>
    <message id="移動先に自分の駒があります">
        <source></source>
        <translation>The destination holds the mover&apos;s own piece</translation>
    </message>
    <message id="敵陣の外では成れません">
        <source></source>
        <translation>A piece cannot promote outside the enemy camp</translation>
    </message>
    <message id="あなたの番です">
        <source></source>
        <translation>Your move</translation>
    </message>
    <message id="ｺﾝﾋﾟｭｰﾀの番です">
        <source></source>
        <translation>Computer&apos;s move</translation>
    </message>
    <message id="%1　%2">
        <source></source>
        <translation>%1  %2</translation>
    </message>
    <message id="王手されています">
        <source></source>
        <translation>The king is in check</translation>
    </message>
    <message id="氷結しています">
        <source></source>
        <translation>The piece is frozen</translation>
    </message>
    <message id="二歩になります">
        <source></source>
        <translation>That would be a second pawn on the file</translation>
    </message>
    <message id="そこへは動けません">
        <source></source>
        <translation>The piece cannot move there</translation>
    </message>
    <message id="対局中ではありません">
        <source></source>
        <translation>No game in progress</translation>
    </message>
    <message id="戻す手がありません">
        <source></source>
        <translation>No move to take back</translation>
    </message>
    <message id="待った：%1">
        <source></source>
        <translation>Take back: %1</translation>
    </message>
    <message id="待った：二手戻しました">
        <source></source>
        <translation>Take back: two moves taken back</translation>
    </message>
    <message id="%1手目が正しくないので棋譜にできません（%2）">
        <source></source>
        <translation>Move %1 is not valid, so the record cannot be saved (%2)</translation>
    </message>
    <message id="貼り付ける棋譜がありません">
        <source></source>
        <translation>There is no record to paste</translation>
    </message>
    <message id="棋譜を保存しますか？">
        <source></source>
        <translation>Save the record?</translation>
    </message>
    <message id="成らないと動けません（右クリック）">
        <source></source>
        <translation>The piece must promote to move there (right click)</translation>
    </message>
    <message id="設定ﾌｧｲﾙを読み込めませんでした">
        <source></source>
        <translation>The settings file could not be read</translation>
    </message>
    <message id="今回は既定の設定を使います（設定ﾌｧｲﾙは書き換えません）">
        <source></source>
        <translation>The default settings are used this time (the settings file is not rewritten)</translation>
    </message>
    <message id="「%1」はすでにあります。上書きしますか？">
        <source></source>
        <translation>“%1” already exists. Overwrite it?</translation>
    </message>
    <message id="ファイルを開く">
        <source></source>
        <translation>Open File</translation>
    </message>
    <message id="棋譜 (*.棋譜 *.kif *.kifu *.csa *.sfen *.usi);;すべてのファイル (*)">
        <source></source>
        <translation>Records (*.棋譜 *.kif *.kifu *.csa *.sfen *.usi);;All files (*)</translation>
    </message>
    <message id="KIFで保存">
        <source></source>
        <translation>Save as KIF</translation>
    </message>
    <message id="CSAで保存">
        <source></source>
        <translation>Save as CSA</translation>
    </message>
    <message id="対局中です。最初に戻しますか？">
        <source></source>
        <translation>A game is in progress. Go back to the start?</translation>
    </message>
    <message id="対局中です。終了しますか？">
        <source></source>
        <translation>A game is in progress. Quit?</translation>
    </message>
    <message id="読み手のいないﾊﾟｲﾌﾟです">
        <source></source>
        <translation>It is a pipe that nobody reads</translation>
    </message>
    <message id="通常のﾌｧｲﾙではありません">
        <source></source>
        <translation>It is not a regular file</translation>
    </message>
    <message id="SFENには盤面・手番・持駒が要ります">
        <source></source>
        <translation>An SFEN needs the board, the side to move and the hands</translation>
    </message>
    <message id="盤面が9段ありません">
        <source></source>
        <translation>The board does not have 9 ranks</translation>
    </message>
    <message id="盤面の段の升の数が9ではありません">
        <source></source>
        <translation>A rank of the board does not have 9 squares</translation>
    </message>
    <message id="盤面に分からない駒の文字があります">
        <source></source>
        <translation>The board has an unknown piece letter</translation>
    </message>
    <message id="金と王は成れません">
        <source></source>
        <translation>A gold or a king cannot promote</translation>
    </message>
    <message id="手番は b か w です">
        <source></source>
        <translation>The side to move is b or w</translation>
    </message>
    <message id="持駒が数で終わっています">
        <source></source>
        <translation>The hands end with a number</translation>
    </message>
    <message id="持駒の数が多すぎます">
        <source></source>
        <translation>Too many pieces in hand</translation>
    </message>
    <message id="持駒に分からない駒の文字があります">
        <source></source>
        <translation>The hands have an unknown piece letter</translation>
    </message>
    <message id="手数は1から999999999までの数です">
        <source></source>
        <translation>The move number is a number from 1 to 999999999</translation>
    </message>
    <message id="%1が盤と持駒に合わせて%2枚より多くあります">
        <source></source>
        <translation>More than %2 of %1 on the board and in the hands together</translation>
    </message>
    <message id="王が二枚ある側があります">
        <source></source>
        <translation>A side has two kings</translation>
    </message>
    <message id="奥の二段の桂は二度と動けません">
        <source></source>
        <translation>A knight on the last two ranks could never move again</translation>
    </message>
    <message id="最奥の段の%1は二度と動けません">
        <source></source>
        <translation>%1 on the last rank could never move again</translation>
    </message>
    <message id="CSA形式の行ではありません">
        <source></source>
        <translation>Not a line of the CSA format</translation>
    </message>
    <message id="指し手の後に局面の行があります">
        <source></source>
        <translation>A position line after the moves</translation>
    </message>
    <message id="PIの駒落ちが読めません">
        <source></source>
        <translation>The pieces taken off after PI cannot be read</translation>
    </message>
    <message id="盤面の行が読めません">
        <source></source>
        <translation>The board line cannot be read</translation>
    </message>
    <message id="駒の位置が読めません">
        <source></source>
        <translation>The square of a piece cannot be read</translation>
    </message>
    <message id="駒の名前が読めません">
        <source></source>
        <translation>The name of a piece cannot be read</translation>
    </message>
    <message id="持駒にできない駒です">
        <source></source>
        <translation>That piece cannot be in hand</translation>
    </message>
    <message id="手番でない側の指し手です">
        <source></source>
        <translation>A move of the side not to move</translation>
    </message>
    <message id="指し手が読めません">
        <source></source>
        <translation>The move cannot be read</translation>
    </message>
    <message id="ﾌｧｲﾙ名が長すぎます">
        <source></source>
        <translation>The file name is too long</translation>
    </message>
    <message id="許可されていません">
        <source></source>
        <translation>Not permitted</translation>
    </message>
    <message id="見つかりません">
        <source></source>
        <translation>Not found</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙには初期配置から始まる対局しか書けません">
        <source></source>
        <translation>A record file can only hold a game from the initial position</translation>
    </message>
    <message id="%1（Shift-JIS）に書けない文字があります：%2">
        <source></source>
        <translation>%1 (Shift-JIS) cannot hold these characters: %2</translation>
    </message>
    <message id="KIF・CSA・SFEN・USIのどれとも分かりません">
        <source></source>
        <translation>Not recognised as KIF, CSA, SFEN or USI</translation>
    </message>
    <message id="KIFファイル">
        <source></source>
        <translation>A KIF file</translation>
    </message>
    <message id="CSAファイル">
        <source></source>
        <translation>A CSA file</translation>
    </message>
    <message id="書き出す形式が分かりません">
        <source></source>
        <translation>Unknown format to write</translation>
    </message>
    <message id="クリップボード">
        <source></source>
        <translation>Clipboard</translation>
    </message>
    <message id="%1 の %2行目が読めません（%3）。%4手目まで読みました">
        <source></source>
        <translation>Line %2 of %1 cannot be read (%3). Read up to move %4</translation>
    </message>
    <message id="指し手の行ではありません">
        <source></source>
        <translation>Not a move line</translation>
    </message>
    <message id="持駒が読めません">
        <source></source>
        <translation>The hands cannot be read</translation>
    </message>
    <message id="指し手の後に盤面図があります">
        <source></source>
        <translation>A board diagram after the moves</translation>
    </message>
    <message id="盤面図の段が読めません">
        <source></source>
        <translation>A rank of the board diagram cannot be read</translation>
    </message>
    <message id="指し手の後に手番の行があります">
        <source></source>
        <translation>A side-to-move line after the moves</translation>
    </message>
    <message id="盤面図が9段ありません">
        <source></source>
        <translation>The board diagram does not have 9 ranks</translation>
    </message>
    <message id="手合割「%1」が分かりません">
        <source></source>
        <translation>Unknown handicap “%1”</translation>
    </message>
    <message id="%1が長すぎます（%2文字まで）">
        <source></source>
        <translation>%1 is too long (%2 characters at most)</translation>
    </message>
    <message id="貼り付けた棋譜の%1行目が正しくありません（%2）。%1行目から先は読み込みません">
        <source></source>
        <translation>Line %1 of the pasted record is not valid (%2). Nothing from line %1 on is read.</translation>
    </message>
    <message id="貼り付けた棋譜にﾃﾞｰﾀがありません">
        <source></source>
        <translation>The pasted text holds no moves</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙではありません">
        <source></source>
        <translation>Not a record file</translation>
    </message>
    <message id="文字コードとして読めないバイトがあります">
        <source></source>
        <translation>Bytes that are no characters</translation>
    </message>
    <message id="指し手「%1」が読めません">
        <source></source>
        <translation>The move “%1” cannot be read</translation>
    </message>
    <message id="%1：%2">
        <source></source>
        <translation>%1: %2</translation>
    </message>
    <message id="棋譜の終わり">
        <source></source>
        <translation>The end</translation>
    </message>
    <message id="消費時間が読めません">
        <source></source>
        <translation>The time taken cannot be read</translation>
    </message>
    <message id="消費時間が長すぎます">
        <source></source>
        <translation>The time taken is too long</translation>
    </message>
    <message id="終局の文が読めません">
        <source></source>
        <translation>The ending cannot be read</translation>
    </message>
    <message id="行き所のない升に打つ手です">
        <source></source>
        <translation>A drop where the piece could never move</translation>
    </message>
    <message id="その駒の動きではありません">
        <source></source>
        <translation>The piece does not move so</translation>
    </message>
    <message id="行き所のない升への不成です">
        <source></source>
        <translation>An unpromoted move where the piece could never move again</translation>
    </message>
    <message id="投了の後に指し手があります">
        <source></source>
        <translation>A move after the resignation</translation>
    </message>
    <message id="手数が100万手を超えています">
        <source></source>
        <translation>More than a million moves</translation>
    </message>
    <message id="待った：一手戻しました">
        <source></source>
        <translation>Take back: one move taken back</translation>
    </message>
    <message id="投了しますか？">
        <source></source>
        <translation>Resign this game?</translation>
    </message>
    <message id="対局中です。棋譜を開きますか？">
        <source></source>
        <translation>A game is in progress. Open a record?</translation>
    </message>
    <message id="ヒント：%1">
        <source></source>
        <translation>Hint: %1</translation>
    </message>
    <message id="効果音">
        <source></source>
        <translation>Sound effects</translation>
    </message>
    <message id="確認メッセージ">
        <source></source>
        <translation>Informing messages</translation>
    </message>
    <message id="秒読み %1">
        <source></source>
        <translation>Byoyomi %1</translation>
    </message>
    <message id="時間切れです">
        <source></source>
        <translation>Time is up</translation>
    </message>
    <message id="対局中です。新しい対局を始めますか？">
        <source></source>
        <translation>A game is in progress. Start a new game?</translation>
    </message>
    <message id="平手">
        <source></source>
        <translation>Even game</translation>
    </message>
    <message id="香落ち">
        <source></source>
        <translation>Lance handicap</translation>
    </message>
    <message id="右香落ち">
        <source></source>
        <translation>Right lance handicap</translation>
    </message>
    <message id="角落ち">
        <source></source>
        <translation>Bishop handicap</translation>
    </message>
    <message id="飛車落ち">
        <source></source>
        <translation>Rook handicap</translation>
    </message>
    <message id="飛香落ち">
        <source></source>
        <translation>Rook and lance handicap</translation>
    </message>
    <message id="二枚落ち">
        <source></source>
        <translation>Two-piece handicap</translation>
    </message>
    <message id="四枚落ち">
        <source></source>
        <translation>Four-piece handicap</translation>
    </message>
    <message id="六枚落ち">
        <source></source>
        <translation>Six-piece handicap</translation>
    </message>
    <message id="八枚落ち">
        <source></source>
        <translation>Eight-piece handicap</translation>
    </message>
    <message id="十枚落ち">
        <source></source>
        <translation>Ten-piece handicap</translation>
    </message>
    <message id="上手 %1枚落ち">
        <source></source>
        <translation>Upper side gives %1 pieces</translation>
    </message>
    <message id="下手 %1枚落ち">
        <source></source>
        <translation>Lower side gives %1 pieces</translation>
    </message>
    <message id="新規対局">
        <source></source>
        <translation>New game</translation>
    </message>
    <message id="コンピュータと">
        <source></source>
        <translation>The computer</translation>
    </message>
    <message id="二人で">
        <source></source>
        <translation>Two people</translation>
    </message>
    <message id="相手">
        <source></source>
        <translation>Opponent</translation>
    </message>
    <message id="先手（あなたから）">
        <source></source>
        <translation>First (you move first)</translation>
    </message>
    <message id="後手（コンピュータから）">
        <source></source>
        <translation>Second (the computer moves first)</translation>
    </message>
    <message id="手番">
        <source></source>
        <translation>Side</translation>
    </message>
    <message id="レベル">
        <source></source>
        <translation>Level</translation>
    </message>
    <message id="手合割">
        <source></source>
        <translation>Handicap</translation>
    </message>
    <message id="なし">
        <source></source>
        <translation>None</translation>
    </message>
    <message id="切れ負け">
        <source></source>
        <translation>Sudden death</translation>
    </message>
    <message id="秒読み">
        <source></source>
        <translation>Byoyomi</translation>
    </message>
    <message id="フィッシャー（一手ごとに加算）">
        <source></source>
        <translation>Fischer (increment each move)</translation>
    </message>
    <message id="持ち時間">
        <source></source>
        <translation>Time control</translation>
    </message>
    <message id=" 分">
        <source></source>
        <translation> min</translation>
    </message>
    <message id=" 秒">
        <source></source>
        <translation> s</translation>
    </message>
    <message id="持ち時間（各）">
        <source></source>
        <translation>Main time (each)</translation>
    </message>
    <message id="一手ごとの加算">
        <source></source>
        <translation>Increment per move</translation>
    </message>
    <message id="千日手で終局（四度目の同一局面）">
        <source></source>
        <translation>Repetition ends the game (fourth time the same position)</translation>
    </message>
    <message id="対局開始">
        <source></source>
        <translation>Start</translation>
    </message>
    <message id="キャンセル">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="新規対局…">
        <source></source>
        <translation>New game…</translation>
    </message>
    <message id="千日手です。引き分けです">
        <source></source>
        <translation>The same position came four times: a draw</translation>
    </message>
    <message id="連続王手の千日手です。%1の勝ちです">
        <source></source>
        <translation>A repetition by perpetual check: %1 won</translation>
    </message>
    <message id="利き表示">
        <source></source>
        <translation>Show influence</translation>
    </message>
    <message id="LEVEL3A (LEVEL3よりR約250上)">
        <source></source>
        <translation>Level 3A (about 250 Elo above Level 3)</translation>
    </message>
    <message id="LEVEL3B (LEVEL3よりR約400上)">
        <source></source>
        <translation>Level 3B (about 400 Elo above Level 3)</translation>
    </message>
    <message id="LEVEL3C (LEVEL3よりR約550上)">
        <source></source>
        <translation>Level 3C (about 550 Elo above Level 3)</translation>
    </message>
    <message id="LEVEL3D (LEVEL3よりR約700上)">
        <source></source>
        <translation>Level 3D (about 700 Elo above Level 3)</translation>
    </message>
    <message id="LEVEL3E (LEVEL3よりR約850上)">
        <source></source>
        <translation>Level 3E (about 850 Elo above Level 3)</translation>
    </message>
    <message id="LEVEL3F (LEVEL3よりR約1050上)">
        <source></source>
        <translation>Level 3F (about 1050 Elo above Level 3)</translation>
    </message>
    <message id="LEVEL3G (LEVEL3よりR約1200上)">
        <source></source>
        <translation>Level 3G (about 1200 Elo above Level 3)</translation>
    </message>
    <message id="対局中です。局面を編集しますか？">
        <source></source>
        <translation>A game is in progress. Edit the position?</translation>
    </message>
    <message id="この局面は使えません：%1">
        <source></source>
        <translation>This position cannot be used: %1</translation>
    </message>
    <message id="王はどちらの側にも一枚までです">
        <source></source>
        <translation>Each side has at most one king</translation>
    </message>
    <message id="駒箱にその駒が残っていません">
        <source></source>
        <translation>No piece of that kind is left in the box</translation>
    </message>
    <message id="下の駒">
        <source></source>
        <translation>Lower side&apos;s pieces</translation>
    </message>
    <message id="上の駒">
        <source></source>
        <translation>Upper side&apos;s pieces</translation>
    </message>
    <message id="下の持駒">
        <source></source>
        <translation>Lower side&apos;s hand</translation>
    </message>
    <message id="上の持駒">
        <source></source>
        <translation>Upper side&apos;s hand</translation>
    </message>
    <message id="玉だけ">
        <source></source>
        <translation>Kings only</translation>
    </message>
    <message id="残りを上の持駒へ">
        <source></source>
        <translation>Rest to the upper hand</translation>
    </message>
    <message id="下の番">
        <source></source>
        <translation>Lower side to move</translation>
    </message>
    <message id="上の番">
        <source></source>
        <translation>Upper side to move</translation>
    </message>
    <message id="SFENをコピー">
        <source></source>
        <translation>Copy SFEN</translation>
    </message>
    <message id="局面編集">
        <source></source>
        <translation>Edit Position</translation>
    </message>
    <message id="左クリックで置く（同じ駒なら成り・持ち主を替える）、右クリックで除く">
        <source></source>
        <translation>Left click places the chosen piece (on the same kind it promotes or changes sides); right click removes</translation>
    </message>
    <message id="局面編集…">
        <source></source>
        <translation>Edit Position…</translation>
    </message>
    <message id="棋譜解析：%1">
        <source></source>
        <translation>Game review: %1</translation>
    </message>
    <message id="解析する手がありません">
        <source></source>
        <translation>there are no moves to review</translation>
    </message>
    <message id="棋譜解析">
        <source></source>
        <translation>Game review</translation>
    </message>
    <message id=" ミリ秒">
        <source></source>
        <translation> ms</translation>
    </message>
    <message id="一手の思考時間">
        <source></source>
        <translation>Thinking time per move</translation>
    </message>
    <message id="悪手とする損失">
        <source></source>
        <translation>Loss that marks a blunder (悪手)</translation>
    </message>
    <message id="疑問手とする損失">
        <source></source>
        <translation>Loss that marks a dubious move (疑問手)</translation>
    </message>
    <message id="中止">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="棋譜解析…">
        <source></source>
        <translation>Review the game…</translation>
    </message>
    <message id="%1 悪手 %2　疑問手 %3　平均損失 %4">
        <source></source>
        <translation>%1 blunders %2, dubious moves %3, average loss %4</translation>
    </message>
    <message id="（途中で中止しました）">
        <source></source>
        <translation>(cancelled before the end)</translation>
    </message>
    <message id="COM思考中">
        <source></source>
        <translation>Computer thinking</translation>
    </message>
    <message id="終局しています">
        <source></source>
        <translation>The game is over</translation>
    </message>
    <message id="検討中…">
        <source></source>
        <translation>Analysing…</translation>
    </message>
    <message id="%1手で勝ち">
        <source></source>
        <translation>Win in %1</translation>
    </message>
    <message id="%1手で負け">
        <source></source>
        <translation>Loss in %1</translation>
    </message>
    <message id="深さ %1　%2k局面/秒">
        <source></source>
        <translation>Depth %1  %2k nodes/s</translation>
    </message>
    <message id="検討">
        <source></source>
        <translation>Analysis</translation>
    </message>
    <message id="%1 の %2行目からの変化が読めません（%3）。本譜とその前の変化を読みました">
        <source></source>
        <translation>The variations of %1 from line %2 cannot be read (%3). The game and the variations before it were read</translation>
    </message>
    <message id="変化に指し手がありません">
        <source></source>
        <translation>The variation has no moves</translation>
    </message>
    <message id="変化の行が読めません">
        <source></source>
        <translation>Not a variation heading</translation>
    </message>
    <message id="%1手目の指し手がないところに変化があります">
        <source></source>
        <translation>A variation branches at move %1, which its line does not have</translation>
    </message>
    <message id="変化が深すぎます">
        <source></source>
        <translation>Variations nested too deeply</translation>
    </message>
    <message id="変化が多すぎます">
        <source></source>
        <translation>Too many variations</translation>
    </message>
    <message id="変化の手数が合いません">
        <source></source>
        <translation>The move number does not follow the variation</translation>
    </message>
    <message id="変化">
        <source></source>
        <translation>Variations</translation>
    </message>
</context>
</TS>
