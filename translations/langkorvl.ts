<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>Velmora</name>
    <message>
        <source>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</source>
        <comment>100</comment>
        <translation>OLE 초기화에 실패했습니다.  OLE 라이브러리의 버전이 올바른지 확인하십시오.</translation>
    </message>
    <message>
        <source>The screen resolution is higher than the options available!
Please select the option 800 x 600, 1024 x 768 ou 1280 x 800 in the next screen!</source>
        <comment>101</comment>
        <translation>화면 해상도가 선택 가능한 옵션보다 높습니다!
다음 화면에서 800 x 600, 1024 x 768 또는 1280 x 800을 선택하십시오!</translation>
    </message>
    <message>
        <source>Error Loading Video Setting Program!</source>
        <comment>103</comment>
        <translation>비디오 설정 프로그램을 불러오는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>It´s not possible to set the resolution!</source>
        <comment>104</comment>
        <translation>해상도를 설정할 수 없습니다!</translation>
    </message>
    <message>
        <source>Calculating F0...</source>
        <comment>105</comment>
        <translation>F0 계산 중...</translation>
    </message>
    <message>
        <source>Attention: The Original File was recorded in Stereo Mode, but he is opened as a Mono file.
Do You Want to save the file as Mono?</source>
        <comment>106</comment>
        <translation>주의: 원본 파일은 스테레오로 녹음되었지만 모노 파일로 열렸습니다.
파일을 모노로 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Calculating Formants...</source>
        <comment>107</comment>
        <translation>포먼트 계산 중...</translation>
    </message>
    <message>
        <source>Client: </source>
        <comment>108</comment>
        <translation>환자: </translation>
    </message>
    <message>
        <source>%.1f MB</source>
        <comment>109</comment>
        <translation>%.1f MB</translation>
    </message>
    <message>
        <source>File</source>
        <comment>112</comment>
        <translation>파일</translation>
    </message>
    <message>
        <source>Insert</source>
        <comment>114</comment>
        <translation>신규</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>115</comment>
        <translation>수정</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <comment>116</comment>
        <translation>인쇄 미리 보기</translation>
    </message>
    <message>
        <source>Wait, Please...</source>
        <comment>117</comment>
        <translation>잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <comment>118</comment>
        <translation>개인 정보</translation>
    </message>
    <message>
        <source>Name:</source>
        <comment>119</comment>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <comment>120</comment>
        <translation>생년월일:</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment>121</comment>
        <translation>주소:</translation>
    </message>
    <message>
        <source>City:</source>
        <comment>122</comment>
        <translation>시/군/구:</translation>
    </message>
    <message>
        <source>State:</source>
        <comment>123</comment>
        <translation>시/도:</translation>
    </message>
    <message>
        <source>ZIP:</source>
        <comment>124</comment>
        <translation>우편번호:</translation>
    </message>
    <message>
        <source>Home Phone:</source>
        <comment>125</comment>
        <translation>자택 전화:</translation>
    </message>
    <message>
        <source>Work Phone:</source>
        <comment>126</comment>
        <translation>직장 전화:</translation>
    </message>
    <message>
        <source>Obs.:</source>
        <comment>127</comment>
        <translation>비고:</translation>
    </message>
    <message>
        <source>Client</source>
        <comment>130</comment>
        <translation>환자</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>131</comment>
        <translation>코드</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>132</comment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>133</comment>
        <translation>날짜</translation>
    </message>
    <message>
        <source>%s - Files</source>
        <comment>134</comment>
        <translation>%s - 파일</translation>
    </message>
    <message>
        <source>Error changing the screen resolution</source>
        <comment>140</comment>
        <translation>화면 해상도를 변경하는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>You must restart your computer to change the resolution! Do you want to restart now?</source>
        <comment>141</comment>
        <translation>해상도를 변경하려면 컴퓨터를 다시 시작해야 합니다! 지금 다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <comment>142</comment>
        <translation>스펙트로그램</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <comment>143</comment>
        <translation>파워 스펙트럼</translation>
    </message>
    <message>
        <source>Backup Done Successfully!
The Backup Files are in the %s Directory</source>
        <comment>146</comment>
        <translation>백업이 완료되었습니다!
백업 파일은 %s 폴더에 있습니다</translation>
    </message>
    <message>
        <source>Backup Failed!</source>
        <comment>147</comment>
        <translation>백업에 실패했습니다!</translation>
    </message>
    <message>
        <source>Select the Backup Directory!</source>
        <comment>148</comment>
        <translation>백업 폴더를 선택하십시오!</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <comment>149</comment>
        <translation>작업이 완료되었습니다!</translation>
    </message>
    <message>
        <source>Process can´t be Finished!</source>
        <comment>150</comment>
        <translation>작업을 완료할 수 없습니다!</translation>
    </message>
    <message>
        <source>Dates File can´t be Found!
The Restored Files will have the Actual Date!</source>
        <comment>151</comment>
        <translation>날짜 파일을 찾을 수 없습니다!
복원된 파일에는 현재 날짜가 지정됩니다!</translation>
    </message>
    <message>
        <source>There is a Previous Backup In the Selected Directory.
Do you want to replace it?</source>
        <comment>152</comment>
        <translation>선택한 폴더에 이전 백업이 있습니다.
바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>It´s not possible to copy Pacw.dbf File!
Backup Can´t be done!</source>
        <comment>153</comment>
        <translation>Pacw.dbf 파일을 복사할 수 없습니다!
백업을 할 수 없습니다!</translation>
    </message>
    <message>
        <source>Pacw.dbf File is not in this Directory!</source>
        <comment>154</comment>
        <translation>이 폴더에 Pacw.dbf 파일이 없습니다!</translation>
    </message>
    <message>
        <source>Temporary File can´t be Created!</source>
        <comment>155</comment>
        <translation>임시 파일을 만들 수 없습니다!</translation>
    </message>
    <message>
        <source>Dates File can´t be Created!</source>
        <comment>156</comment>
        <translation>날짜 파일을 만들 수 없습니다!</translation>
    </message>
    <message>
        <source>It was not Possible Create Temporary File!</source>
        <comment>157</comment>
        <translation>임시 파일을 만들지 못했습니다!</translation>
    </message>
    <message>
        <source>It´s not Possible to Restore the sound files dates!
Do you want to Continue?</source>
        <comment>158</comment>
        <translation>음성 파일의 날짜를 복원할 수 없습니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Backup Directory can´t be Removed!</source>
        <comment>159</comment>
        <translation>백업 폴더를 삭제할 수 없습니다!</translation>
    </message>
    <message>
        <source>Model</source>
        <comment>160</comment>
        <translation>모델</translation>
    </message>
    <message>
        <source>File %d</source>
        <comment>161</comment>
        <translation>파일 %d</translation>
    </message>
    <message>
        <source>File:</source>
        <comment>162</comment>
        <translation>파일:</translation>
    </message>
    <message>
        <source>Time: </source>
        <comment>163</comment>
        <translation>시간: </translation>
    </message>
    <message>
        <source>%s  File - %d</source>
        <comment>164</comment>
        <translation>%s  파일 - %d</translation>
    </message>
    <message>
        <source>File - %s</source>
        <comment>165</comment>
        <translation>파일 - %s</translation>
    </message>
    <message>
        <source>%s  File - %d</source>
        <comment>166</comment>
        <translation>%s  파일 - %d</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <comment>167</comment>
        <translation>정지(&amp;S)</translation>
    </message>
    <message>
        <source>Zoom -</source>
        <comment>168</comment>
        <translation>축소</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>170</comment>
        <translation>인쇄</translation>
    </message>
    <message>
        <source> File %d - Date: %02d/%02d/%04d</source>
        <comment>171</comment>
        <translation> 파일 %d - 날짜: %04d/%02d/%02d</translation>
    </message>
    <message>
        <source>Printed with Velmora</source>
        <comment>172</comment>
        <translation>Velmora로 인쇄함</translation>
    </message>
    <message>
        <source>Voice analysis report</source>
        <comment>173</comment>
        <translation>음성 분석 보고서</translation>
    </message>
    <message>
        <source>Error Saving Notes File!</source>
        <comment>174</comment>
        <translation>메모 파일을 저장하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>%02d/%02d/%04d File %d</source>
        <comment>175</comment>
        <translation>%04d/%02d/%02d 파일 %d</translation>
    </message>
    <message>
        <source>%d Hz, %d Bits</source>
        <comment>176</comment>
        <translation>%d Hz, %d비트</translation>
    </message>
    <message>
        <source>version 4.2</source>
        <comment>178</comment>
        <translation>버전 4.2</translation>
    </message>
    <message>
        <source>Vol</source>
        <comment>179</comment>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Mic</source>
        <comment>180</comment>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Line In</source>
        <comment>183</comment>
        <translation>라인 입력</translation>
    </message>
    <message>
        <source>%s\Models</source>
        <comment>187</comment>
        <translation>%s\Models</translation>
    </message>
    <message>
        <source>Sound File (*.wav)|*.wav|</source>
        <comment>188</comment>
        <translation>음성 파일 (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>Other Files</source>
        <comment>189</comment>
        <translation>Other Files</translation>
    </message>
    <message>
        <source>Select the Clients You want to send to Backup:</source>
        <comment>194</comment>
        <translation>백업할 환자를 선택하십시오:</translation>
    </message>
    <message>
        <source>Select the Clients You Want to Attach Files:</source>
        <comment>195</comment>
        <translation>파일을 첨부할 환자를 선택하십시오:</translation>
    </message>
    <message>
        <source>It was not possible to get the creation date of %s file. Do you want to continue?</source>
        <comment>197</comment>
        <translation>%s 파일의 생성 날짜를 가져올 수 없습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>"%s File can´t be decompressed! Verify If There is Free Space Available!
Do You Want to Continue?</source>
        <comment>198</comment>
        <translation>"%s 파일의 압축을 풀 수 없습니다! 여유 공간이 있는지 확인하십시오!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Wait:</source>
        <comment>199</comment>
        <translation>대기:</translation>
    </message>
    <message>
        <source>Freeing Data...</source>
        <comment>200</comment>
        <translation>데이터 해제 중...</translation>
    </message>
    <message>
        <source>Copying...</source>
        <comment>201</comment>
        <translation>복사 중...</translation>
    </message>
    <message>
        <source>decompressing:</source>
        <comment>202</comment>
        <translation>압축 해제 중:</translation>
    </message>
    <message>
        <source>It´s not possible to get the original date of %s file</source>
        <comment>204</comment>
        <translation>%s 파일의 원래 날짜를 가져올 수 없습니다</translation>
    </message>
    <message>
        <source>%s Files can´t be found!
Do you Want to Continue?</source>
        <comment>205</comment>
        <translation>%s 파일을 찾을 수 없습니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Wait, Removing Backup Directory...</source>
        <comment>206</comment>
        <translation>잠시 기다려 주십시오. 백업 폴더를 삭제하는 중...</translation>
    </message>
    <message>
        <source>Wait, Restoring Files...</source>
        <comment>207</comment>
        <translation>잠시 기다려 주십시오. 파일을 복원하는 중...</translation>
    </message>
    <message>
        <source>Error Coping %s File! Verify If There Is Free Space!
Do You Want To Continue?</source>
        <comment>208</comment>
        <translation>%s 파일을 복사하는 중 오류가 발생했습니다! 여유 공간이 있는지 확인하십시오!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>The %s file can´t be recorded!
Verify if the file is opened!</source>
        <comment>210</comment>
        <translation>%s 파일을 저장할 수 없습니다!
파일이 열려 있는지 확인하십시오!</translation>
    </message>
    <message>
        <source>default</source>
        <comment>211</comment>
        <translation>기본</translation>
    </message>
    <message>
        <source>Display.exe</source>
        <comment>221</comment>
        <translation>Display.exe</translation>
    </message>
    <message>
        <source>  Reg.: </source>
        <comment>222</comment>
        <translation>  면허번호: </translation>
    </message>
    <message>
        <source>Export Report as PDF...</source>
        <comment>223</comment>
        <translation>보고서를 PDF로 내보내기...</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf|</source>
        <comment>224</comment>
        <translation>PDF 파일 (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp|</source>
        <comment>225</comment>
        <translation>비트맵 (*.bmp)|*.bmp|</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>260</comment>
        <translation>비교</translation>
    </message>
    <message>
        <source>Limit:</source>
        <comment>261</comment>
        <translation>한계:</translation>
    </message>
    <message>
        <source>%d Hz   </source>
        <comment>262</comment>
        <translation>%d Hz   </translation>
    </message>
    <message>
        <source>Error Allocating Buffer</source>
        <comment>276</comment>
        <translation>버퍼 메모리를 할당하는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>No simple factors for ratio</source>
        <comment>277</comment>
        <translation>이 샘플링 비율에 맞는 간단한 인수가 없습니다</translation>
    </message>
    <message>
        <source>Filter design too difficult! </source>
        <comment>278</comment>
        <translation>필터 설계가 너무 어렵습니다! </translation>
    </message>
    <message>
        <source>cannot allocate space for interpolated data</source>
        <comment>279</comment>
        <translation>보간 데이터를 위한 공간을 할당할 수 없습니다</translation>
    </message>
    <message>
        <source>Select the Target Directory:</source>
        <comment>306</comment>
        <translation>대상 폴더를 선택하십시오:</translation>
    </message>
    <message>
        <source>Select the Source Directory:</source>
        <comment>307</comment>
        <translation>원본 폴더를 선택하십시오:</translation>
    </message>
    <message>
        <source>Restore Backup....</source>
        <comment>1000</comment>
        <translation>백업 복원....</translation>
    </message>
    <message>
        <source>Create Backup...</source>
        <comment>1003</comment>
        <translation>백업 만들기...</translation>
    </message>
    <message>
        <source>&amp;Client</source>
        <comment>3000</comment>
        <translation>환자(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <comment>3001</comment>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <comment>3002</comment>
        <translation>오디오(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>3003</comment>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>Update Rate</source>
        <comment>3004</comment>
        <translation>업데이트 간격</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <comment>3005</comment>
        <translation>모드(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <comment>3006</comment>
        <translation>설정(&amp;S)</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>3007</comment>
        <translation>언어</translation>
    </message>
    <message>
        <source>Com&amp;parison</source>
        <comment>3008</comment>
        <translation>비교(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>3009</comment>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <comment>3010</comment>
        <translation>새로 만들기(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>3011</comment>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>P&amp;ersonal Information...</source>
        <comment>3012</comment>
        <translation>개인 정보(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>3013</comment>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Backup...</source>
        <comment>3014</comment>
        <translation>백업(&amp;B)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>3015</comment>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Save Changes...</source>
        <comment>3016</comment>
        <translation>변경 내용 저장(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <comment>3017</comment>
        <translation>가져오기(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Edit Notes...</source>
        <comment>3018</comment>
        <translation>메모 편집(&amp;E)...</translation>
    </message>
    <message>
        <source>Clean Texts</source>
        <comment>3019</comment>
        <translation>텍스트 지우기</translation>
    </message>
    <message>
        <source>Export Labels...</source>
        <comment>3020</comment>
        <translation>레이블 내보내기...</translation>
    </message>
    <message>
        <source>Import Labels...</source>
        <comment>3021</comment>
        <translation>레이블 가져오기...</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <comment>3022</comment>
        <translation>속성(&amp;R)...</translation>
    </message>
    <message>
        <source>Export graph as a bmp file...</source>
        <comment>3023</comment>
        <translation>그래프를 bmp 파일로 내보내기...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <comment>3024</comment>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Print Preview</source>
        <comment>3025</comment>
        <translation>인쇄 미리 보기(&amp;V)</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <comment>3026</comment>
        <translation>인쇄 설정(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>3027</comment>
        <translation>재생(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <comment>3028</comment>
        <translation>녹음(&amp;R)</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>3029</comment>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>3030</comment>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>3031</comment>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <comment>3032</comment>
        <translation>모두 선택(&amp;S)</translation>
    </message>
    <message>
        <source>Silence</source>
        <comment>3033</comment>
        <translation>무음 처리</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>3034</comment>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Zoom +</source>
        <comment>3035</comment>
        <translation>확대(&amp;Z)</translation>
    </message>
    <message>
        <source>%d Bytes</source>
        <comment>3036</comment>
        <translation>%d 바이트</translation>
    </message>
    <message>
        <source>Volume...</source>
        <comment>3037</comment>
        <translation>볼륨...</translation>
    </message>
    <message>
        <source>&amp;Spectrogram</source>
        <comment>3038</comment>
        <translation>스펙트로그램(&amp;S)</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <comment>3039</comment>
        <translation>파워 스펙트럼</translation>
    </message>
    <message>
        <source>&amp;Report...</source>
        <comment>3040</comment>
        <translation>보고서(&amp;R)...</translation>
    </message>
    <message>
        <source>Record...</source>
        <comment>3041</comment>
        <translation>녹음...</translation>
    </message>
    <message>
        <source>F0 Setting...</source>
        <comment>3042</comment>
        <translation>F0 설정...</translation>
    </message>
    <message>
        <source>English</source>
        <comment>3043</comment>
        <translation>영어 (English)</translation>
    </message>
    <message>
        <source>한국어 (Korean)</source>
        <comment>3044</comment>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <comment>3045</comment>
        <translation>파일과 비교...</translation>
    </message>
    <message>
        <source>Open Model...</source>
        <comment>3046</comment>
        <translation>모델 열기...</translation>
    </message>
    <message>
        <source>Save as a Model...</source>
        <comment>3047</comment>
        <translation>모델로 저장...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>3048</comment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Contents...</source>
        <comment>3049</comment>
        <translation>목차...</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <comment>3050</comment>
        <translation>Velmora 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <comment>3051</comment>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>3052</comment>
        <translation>재생</translation>
    </message>
    <message>
        <source>Colors</source>
        <comment>3060</comment>
        <translation>색상</translation>
    </message>
    <message>
        <source>Update Rate</source>
        <comment>3061</comment>
        <translation>업데이트 간격</translation>
    </message>
    <message>
        <source>Limit</source>
        <comment>3062</comment>
        <translation>상한</translation>
    </message>
    <message>
        <source>LTAS</source>
        <comment>3063</comment>
        <translation>LTAS</translation>
    </message>
    <message>
        <source>Visualisation</source>
        <comment>3064</comment>
        <translation>표시 방식</translation>
    </message>
    <message>
        <source>Solid</source>
        <comment>3065</comment>
        <translation>채우기</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>3066</comment>
        <translation>선</translation>
    </message>
    <message>
        <source>FFT Size</source>
        <comment>3067</comment>
        <translation>FFT 크기</translation>
    </message>
    <message>
        <source>Band</source>
        <comment>3068</comment>
        <translation>대역폭</translation>
    </message>
    <message>
        <source>F0</source>
        <comment>3069</comment>
        <translation>F0</translation>
    </message>
    <message>
        <source>Formants</source>
        <comment>3070</comment>
        <translation>포먼트</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <comment>3071</comment>
        <translation>스펙트로그램</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>3072</comment>
        <translation>녹음</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>3073</comment>
        <translation>녹음</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>3074</comment>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>rate</source>
        <comment>3075</comment>
        <translation>샘플링</translation>
    </message>
    <message>
        <source>Playback</source>
        <comment>3076</comment>
        <translation>재생</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>3077</comment>
        <translation>재생</translation>
    </message>
    <message>
        <source>Gray-Scale</source>
        <comment>3078</comment>
        <translation>회색조</translation>
    </message>
    <message>
        <source>Colors 1</source>
        <comment>3079</comment>
        <translation>색상 1</translation>
    </message>
    <message>
        <source>Colors 2</source>
        <comment>3080</comment>
        <translation>색상 2</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <comment>3081</comment>
        <translation>진한 파랑</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>3082</comment>
        <translation>검정</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <comment>3083</comment>
        <translation>진한 초록</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>3084</comment>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Backup/Restore</source>
        <comment>3100</comment>
        <translation>백업/복원</translation>
    </message>
    <message>
        <source>Send to Backup...</source>
        <comment>3101</comment>
        <translation>백업으로 보내기...</translation>
    </message>
    <message>
        <source>Attach Files...</source>
        <comment>3102</comment>
        <translation>파일 첨부...</translation>
    </message>
    <message>
        <source>Create a security copy of the information of all clients without these data being removed from the system.</source>
        <comment>3103</comment>
        <translation>모든 환자의 정보를 시스템에서 지우지 않고 백업 사본을 만듭니다.</translation>
    </message>
    <message>
        <source>Send the recordings of the chosen clients to a backup; only placeholders stay until they are attached.</source>
        <comment>3104</comment>
        <translation>선택한 환자의 녹음을 백업으로 보냅니다. 다시 첨부할 때까지 자리 표시 파일만 남습니다.</translation>
    </message>
    <message>
        <source>Restore a security copy of all clients REPLACING all actual data of the system.</source>
        <comment>3105</comment>
        <translation>모든 환자의 백업 사본을 복원하며, 시스템의 현재 데이터를 모두 대체합니다.</translation>
    </message>
    <message>
        <source>Attach the backup files of the chosen clients again.</source>
        <comment>3106</comment>
        <translation>선택한 환자의 백업 파일을 다시 첨부합니다.</translation>
    </message>
    <message>
        <source>Wait, Copying Data...</source>
        <comment>3107</comment>
        <translation>잠시 기다려 주십시오. 데이터를 복사하는 중...</translation>
    </message>
    <message>
        <source>Compacting:</source>
        <comment>3108</comment>
        <translation>압축 중:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>3109</comment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Client</source>
        <comment>3110</comment>
        <translation>환자</translation>
    </message>
    <message>
        <source>Code:</source>
        <comment>3111</comment>
        <translation>코드:</translation>
    </message>
    <message>
        <source>Man</source>
        <comment>3112</comment>
        <translation>남성</translation>
    </message>
    <message>
        <source>Woman</source>
        <comment>3113</comment>
        <translation>여성</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>3114</comment>
        <translation>아동</translation>
    </message>
    <message>
        <source>Singer</source>
        <comment>3115</comment>
        <translation>가수</translation>
    </message>
    <message>
        <source>Zip:</source>
        <comment>3116</comment>
        <translation>우편번호:</translation>
    </message>
    <message>
        <source>Observations:</source>
        <comment>3117</comment>
        <translation>비고:</translation>
    </message>
    <message>
        <source>Select a Client</source>
        <comment>3118</comment>
        <translation>환자 선택</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>3119</comment>
        <translation>검색</translation>
    </message>
    <message>
        <source>Open....</source>
        <comment>3120</comment>
        <translation>열기....</translation>
    </message>
    <message>
        <source>Personal Information....</source>
        <comment>3121</comment>
        <translation>개인 정보....</translation>
    </message>
    <message>
        <source>Delete Client</source>
        <comment>3122</comment>
        <translation>환자 삭제</translation>
    </message>
    <message>
        <source>New Client</source>
        <comment>3123</comment>
        <translation>새 환자</translation>
    </message>
    <message>
        <source>Other
Files</source>
        <comment>3124</comment>
        <translation>기타
파일</translation>
    </message>
    <message>
        <source>Select All</source>
        <comment>3125</comment>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Convert File ?</source>
        <comment>3126</comment>
        <translation>파일을 변환하시겠습니까?</translation>
    </message>
    <message>
        <source>Warning: The sound file to be imported has an audio format different from the needed!  Do you want to convert it?</source>
        <comment>3127</comment>
        <translation>경고: 가져올 음성 파일의 오디오 형식이 필요한 형식과 다릅니다!  변환하시겠습니까?</translation>
    </message>
    <message>
        <source>Source:</source>
        <comment>3128</comment>
        <translation>원본:</translation>
    </message>
    <message>
        <source>Target:</source>
        <comment>3129</comment>
        <translation>대상:</translation>
    </message>
    <message>
        <source>Stereo</source>
        <comment>3130</comment>
        <translation>스테레오</translation>
    </message>
    <message>
        <source>Mono</source>
        <comment>3131</comment>
        <translation>모노</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <comment>3132</comment>
        <translation>샘플링 주파수:</translation>
    </message>
    <message>
        <source>Stereo to Mono</source>
        <comment>3133</comment>
        <translation>스테레오를 모노로</translation>
    </message>
    <message>
        <source>Left channel</source>
        <comment>3134</comment>
        <translation>왼쪽 채널</translation>
    </message>
    <message>
        <source>Right channel</source>
        <comment>3135</comment>
        <translation>오른쪽 채널</translation>
    </message>
    <message>
        <source>Mix Channel</source>
        <comment>3136</comment>
        <translation>채널 혼합</translation>
    </message>
    <message>
        <source>Notes...</source>
        <comment>3137</comment>
        <translation>메모...</translation>
    </message>
    <message>
        <source>Notes:</source>
        <comment>3138</comment>
        <translation>메모:</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>3139</comment>
        <translation>메모</translation>
    </message>
    <message>
        <source>Properties</source>
        <comment>3140</comment>
        <translation>속성</translation>
    </message>
    <message>
        <source>Informations</source>
        <comment>3141</comment>
        <translation>정보</translation>
    </message>
    <message>
        <source>Sound File: </source>
        <comment>3142</comment>
        <translation>음성 파일: </translation>
    </message>
    <message>
        <source>Rate:</source>
        <comment>3143</comment>
        <translation>샘플링 주파수:</translation>
    </message>
    <message>
        <source>Time:</source>
        <comment>3144</comment>
        <translation>길이:</translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>3145</comment>
        <translation>초</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <comment>3146</comment>
        <translation>음성 파일</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>3147</comment>
        <translation>열기</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>3148</comment>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Report...</source>
        <comment>3149</comment>
        <translation>보고서...</translation>
    </message>
    <message>
        <source>Clinic Name or Professional:</source>
        <comment>3150</comment>
        <translation>기관명 또는 치료사 이름:</translation>
    </message>
    <message>
        <source>Registration:</source>
        <comment>3151</comment>
        <translation>면허번호:</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>3152</comment>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Playback and Record Volume</source>
        <comment>3153</comment>
        <translation>재생 및 녹음 볼륨</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <comment>3154</comment>
        <translation>볼륨 조절</translation>
    </message>
    <message>
        <source>Wave Sound</source>
        <comment>3155</comment>
        <translation>웨이브 사운드</translation>
    </message>
    <message>
        <source>Wait...</source>
        <comment>3156</comment>
        <translation>잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <source>F0 Setting...</source>
        <comment>3157</comment>
        <translation>F0 설정...</translation>
    </message>
    <message>
        <source>F0 Range</source>
        <comment>3158</comment>
        <translation>F0 범위</translation>
    </message>
    <message>
        <source>Min.:</source>
        <comment>3159</comment>
        <translation>최소:</translation>
    </message>
    <message>
        <source>Max:</source>
        <comment>3160</comment>
        <translation>최대:</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <comment>3161</comment>
        <translation>텍스트 삽입</translation>
    </message>
    <message>
        <source>Text:</source>
        <comment>3162</comment>
        <translation>텍스트:</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>3163</comment>
        <translation>확인</translation>
    </message>
    <message>
        <source>Attention!</source>
        <comment>3164</comment>
        <translation>주의!</translation>
    </message>
    <message>
        <source>The File is too large!</source>
        <comment>3165</comment>
        <translation>파일이 너무 큽니다!</translation>
    </message>
    <message>
        <source>Select (Zoom) a small area (max. 20 seconds) to add texts!</source>
        <comment>3166</comment>
        <translation>텍스트를 넣으려면 작은 영역(최대 20초)을 선택(확대)하십시오!</translation>
    </message>
    <message>
        <source>Move</source>
        <comment>3167</comment>
        <translation>이동</translation>
    </message>
    <message>
        <source>Edit...</source>
        <comment>3168</comment>
        <translation>편집...</translation>
    </message>
    <message>
        <source>Wait, starting audio devices...</source>
        <comment>3169</comment>
        <translation>잠시 기다려 주십시오. 오디오 장치를 시작하는 중...</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <comment>3170</comment>
        <translation>Velmora 도움말</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <comment>3171</comment>
        <translation>Velmora 정보</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>3172</comment>
        <translation>라인</translation>
    </message>
    <message>
        <source> Stereo</source>
        <comment>3173</comment>
        <translation> 스테레오</translation>
    </message>
    <message>
        <source> Mono</source>
        <comment>3174</comment>
        <translation> 모노</translation>
    </message>
    <message>
        <source>MM  /  DD  /   YYYY</source>
        <comment>3175</comment>
        <translation>YYYY  /  MM  /  DD</translation>
    </message>
    <message>
        <source>Record Setting...</source>
        <comment>3176</comment>
        <translation>녹음 설정...</translation>
    </message>
    <message>
        <source>Input:</source>
        <comment>3177</comment>
        <translation>입력:</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>3178</comment>
        <translation>변환</translation>
    </message>
    <message>
        <source>Export Labels</source>
        <comment>3179</comment>
        <translation>레이블 내보내기</translation>
    </message>
    <message>
        <source>Import Labels</source>
        <comment>3180</comment>
        <translation>레이블 가져오기</translation>
    </message>
    <message>
        <source>%d labels ran into the next one and end where it begins; %d had no length in the recording and were left out.</source>
        <comment>3181</comment>
        <translation>레이블 %d개는 다음 레이블과 겹쳐 다음 레이블이 시작하는 지점에서 끝나게 했고, %d개는 녹음 안에서 길이가 없어 제외했습니다.</translation>
    </message>
    <message>
        <source>%d intervals with text did not become labels (more than 50, or no length in the recording).</source>
        <comment>3182</comment>
        <translation>텍스트가 있는 구간 %d개는 레이블로 만들지 못했습니다(50개 초과이거나 녹음 안에서 길이가 없음).</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <comment>3183</comment>
        <translation>변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The Actual sound file was change. What do you want to do?</source>
        <comment>3184</comment>
        <translation>현재 음성 파일이 변경되었습니다. 어떻게 하시겠습니까?</translation>
    </message>
    <message>
        <source>Save this File</source>
        <comment>3185</comment>
        <translation>이 파일에 저장</translation>
    </message>
    <message>
        <source>Save as new File</source>
        <comment>3186</comment>
        <translation>새 파일로 저장</translation>
    </message>
    <message>
        <source>Don´t save</source>
        <comment>3187</comment>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>3188</comment>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Open File</source>
        <comment>3189</comment>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Attention: This file was recorded in stereo mode. How do you want to open it?

Stereo to Mono</source>
        <comment>3190</comment>
        <translation>주의: 이 파일은 스테레오 모드로 녹음되었습니다. 어떻게 여시겠습니까?

스테레오를 모노로</translation>
    </message>
    <message>
        <source>Only the Left Channel</source>
        <comment>3191</comment>
        <translation>왼쪽 채널만</translation>
    </message>
    <message>
        <source>Only the Right Channel</source>
        <comment>3192</comment>
        <translation>오른쪽 채널만</translation>
    </message>
    <message>
        <source>Mix Channels</source>
        <comment>3193</comment>
        <translation>채널 혼합</translation>
    </message>
    <message>
        <source>Velmora needs a different video resolution !

Required:
Resolution : 800 x 600, 1024 x 768 ou 1280 x 800 pixels
Colors: High Color (16 bits) or better

Do you want to change the configuration now ?

After change the resolution load Velmora again!</source>
        <comment>3194</comment>
        <translation>Velmora를 사용하려면 다른 화면 해상도가 필요합니다!

필요 사항:
해상도: 800 x 600, 1024 x 768 또는 1280 x 800 픽셀
색상: 하이 컬러(16비트) 이상

지금 설정을 변경하시겠습니까?

해상도를 변경한 후 Velmora를 다시 실행하십시오!</translation>
    </message>
    <message>
        <source>You need to select a Item!</source>
        <comment>57646</comment>
        <translation>항목을 선택해야 합니다!</translation>
    </message>
    <message>
        <source>Error Reading File</source>
        <comment>57647</comment>
        <translation>파일을 읽는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>Attention, All Information about this Client will be deleted!
Are You sure you want to Continue?</source>
        <comment>57648</comment>
        <translation>주의: 이 환자의 모든 정보가 삭제됩니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Client´s folder can´t be deleted!</source>
        <comment>57649</comment>
        <translation>환자 폴더를 삭제할 수 없습니다!</translation>
    </message>
    <message>
        <source>Type the Client´s name you want to search!</source>
        <comment>57650</comment>
        <translation>검색할 환자 이름을 입력하십시오!</translation>
    </message>
    <message>
        <source>Client not found!</source>
        <comment>57651</comment>
        <translation>환자를 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>This file was send to Backup!
It´s necessary to attach backup files to access this file!</source>
        <comment>57652</comment>
        <translation>이 파일은 백업으로 보내졌습니다!
이 파일을 열려면 백업 파일을 첨부해야 합니다!</translation>
    </message>
    <message>
        <source>Select a file!</source>
        <comment>57654</comment>
        <translation>파일을 선택하십시오!</translation>
    </message>
    <message>
        <source>Attention, All Information about this File will be deleted!
Are you Sure you Want to Continue?</source>
        <comment>57655</comment>
        <translation>주의: 이 파일의 모든 정보가 삭제됩니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Error deleting File!</source>
        <comment>57656</comment>
        <translation>파일을 삭제하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Error Saving File!</source>
        <comment>57661</comment>
        <translation>파일을 저장하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Attention! Select the Audio Input in the Windows Record Control!</source>
        <comment>57662</comment>
        <translation>주의! 시스템 녹음 제어에서 오디오 입력을 선택하십시오!</translation>
    </message>
    <message>
        <source>Invalid Function!</source>
        <comment>57663</comment>
        <translation>잘못된 기능입니다!</translation>
    </message>
    <message>
        <source>You need to select an area!</source>
        <comment>57667</comment>
        <translation>영역을 선택해야 합니다!</translation>
    </message>
    <message>
        <source>Error freeing memory!</source>
        <comment>57668</comment>
        <translation>메모리를 해제하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Error Playing Sound File!</source>
        <comment>57669</comment>
        <translation>음성 파일을 재생하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Error WaveOutPrepareHeader</source>
        <comment>57670</comment>
        <translation>재생 버퍼를 준비하는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>File needs to have at least 0.5 seconds!</source>
        <comment>57671</comment>
        <translation>파일 길이는 최소 0.5초 이상이어야 합니다!</translation>
    </message>
    <message>
        <source>Error - Loading Buffer</source>
        <comment>57672</comment>
        <translation>버퍼를 불러오는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>Warning: The Directory can´t to be the same which Velmora is Installed! Select or Create a New Directory!</source>
        <comment>57674</comment>
        <translation>경고: Velmora가 설치된 폴더는 선택할 수 없습니다! 다른 폴더를 선택하거나 새로 만드십시오!</translation>
    </message>
    <message>
        <source>It´s not possible to inicialize your Display Properties. Please access Control Panel,
Click on 'Display' and set the color number to High Color (16 bits) or higher</source>
        <comment>57694</comment>
        <translation>디스플레이 속성을 열 수 없습니다. 시스템의 디스플레이 설정을 열고,
색 수를 하이 컬러(16비트) 이상으로 설정하십시오</translation>
    </message>
    <message>
        <source>Error saving File!</source>
        <comment>57695</comment>
        <translation>레이블 파일을 저장하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Max. number of texts!</source>
        <comment>57696</comment>
        <translation>텍스트 개수가 최대입니다!</translation>
    </message>
    <message>
        <source>Error Loading Header</source>
        <comment>57697</comment>
        <translation>헤더를 불러오는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>It was not possible to start recording</source>
        <comment>57698</comment>
        <translation>녹음을 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>There is no free memory available!</source>
        <comment>57699</comment>
        <translation>사용 가능한 메모리가 없습니다!</translation>
    </message>
    <message>
        <source>Error Freeing Header!</source>
        <comment>57701</comment>
        <translation>헤더를 해제하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Error writing to file
Verify if there is free space!</source>
        <comment>57702</comment>
        <translation>파일에 쓰는 중 오류가 발생했습니다
여유 공간이 있는지 확인하십시오!</translation>
    </message>
    <message>
        <source>Error stop recording - code: 001</source>
        <comment>57703</comment>
        <translation>녹음을 정지하는 중 오류 - 코드: 001</translation>
    </message>
    <message>
        <source>Error stop recording - code: 002</source>
        <comment>57704</comment>
        <translation>녹음을 정지하는 중 오류 - 코드: 002</translation>
    </message>
    <message>
        <source>It was not possible to open the Playback channel!</source>
        <comment>57705</comment>
        <translation>재생 채널을 열 수 없습니다!</translation>
    </message>
    <message>
        <source>Velmora was not ended properly in the last utilisation. Please, reduce the screen update rate before starting recording a new sound file.</source>
        <comment>57706</comment>
        <translation>지난번에 Velmora가 정상적으로 종료되지 않았습니다. 새 음성 파일을 녹음하기 전에 화면 업데이트 간격을 줄이십시오.</translation>
    </message>
    <message>
        <source>Verify if other Program is using the audio channel or if your audio devices are installed properly!
Do you want to Continue?</source>
        <comment>57707</comment>
        <translation>다른 프로그램이 오디오 채널을 사용 중인지, 오디오 장치가 올바르게 설치되었는지 확인하십시오!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Mic. Input can´t be found!
Do You want to Continue?</source>
        <comment>57708</comment>
        <translation>마이크 입력을 찾을 수 없습니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Warning! It´s not Possible to Define the Selected Input!</source>
        <comment>57709</comment>
        <translation>경고! 선택한 입력을 설정할 수 없습니다!</translation>
    </message>
    <message>
        <source>Error Acessing Client´s folder !</source>
        <comment>57710</comment>
        <translation>환자 폴더에 접근하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Undefined Type!</source>
        <comment>57711</comment>
        <translation>정의되지 않은 유형입니다!</translation>
    </message>
    <message>
        <source>Error Accessing Database!</source>
        <comment>57712</comment>
        <translation>데이터베이스에 접근하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Number of files exceeds to 150!
Insert a new client to continue...</source>
        <comment>57713</comment>
        <translation>파일 수가 150개를 넘었습니다!
계속하려면 새 환자를 등록하십시오...</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <comment>57714</comment>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Volume Control can´t be  can´t be Inicialized!</source>
        <comment>57716</comment>
        <translation>볼륨 조절을 시작할 수 없습니다!</translation>
    </message>
    <message>
        <source>Invalid Day !</source>
        <comment>57717</comment>
        <translation>잘못된 일입니다!</translation>
    </message>
    <message>
        <source>Invalid Month !</source>
        <comment>57718</comment>
        <translation>잘못된 월입니다!</translation>
    </message>
    <message>
        <source>Invalid Year 
Range: 1890 to 2050</source>
        <comment>57719</comment>
        <translation>잘못된 연도입니다
범위: 1890 ~ 2050</translation>
    </message>
    <message>
        <source>You need to type the client´s name!</source>
        <comment>57720</comment>
        <translation>환자 이름을 입력해야 합니다!</translation>
    </message>
    <message>
        <source>The Client is Man/Woman, Singer or Child?</source>
        <comment>57721</comment>
        <translation>환자가 남성/여성, 가수, 아동 중 어디에 해당합니까?</translation>
    </message>
    <message>
        <source>Invalid Year (it must have 4 digits)
Sample.: 1974</source>
        <comment>57722</comment>
        <translation>잘못된 연도입니다 (4자리로 입력하십시오)
예: 1974</translation>
    </message>
    <message>
        <source>The Client´s Folder already exist</source>
        <comment>57723</comment>
        <translation>환자 폴더가 이미 있습니다</translation>
    </message>
    <message>
        <source>It´s necessary to select at least one client!</source>
        <comment>57724</comment>
        <translation>환자를 한 명 이상 선택해야 합니다!</translation>
    </message>
    <message>
        <source>File rate must be 44100 Hz, 22050 Hz or 11025 Hz!</source>
        <comment>57730</comment>
        <translation>파일의 샘플링 주파수는 44100 Hz, 22050 Hz 또는 11025 Hz여야 합니다!</translation>
    </message>
    <message>
        <source>The file must be 16 Bits</source>
        <comment>57731</comment>
        <translation>파일은 16비트여야 합니다</translation>
    </message>
    <message>
        <source>Error saving File.</source>
        <comment>57732</comment>
        <translation>파일을 저장하는 중 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>The file can´t be opened!</source>
        <comment>57733</comment>
        <translation>파일을 열 수 없습니다!</translation>
    </message>
    <message>
        <source>File Imported Successfully!</source>
        <comment>57734</comment>
        <translation>파일을 가져왔습니다!</translation>
    </message>
    <message>
        <source>The File to be Imported should be 16 Bits!
The Process will be Canceled!</source>
        <comment>57736</comment>
        <translation>가져올 파일은 16비트여야 합니다!
작업이 취소됩니다!</translation>
    </message>
    <message>
        <source>Error Importing File!</source>
        <comment>57737</comment>
        <translation>파일을 가져오는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Error allocating Memory!</source>
        <comment>57738</comment>
        <translation>메모리를 할당하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Error Opening .ddt file!</source>
        <comment>57739</comment>
        <translation>.ddt 파일을 여는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Entrada de Linha</source>
        <comment>57740</comment>
        <translation>Entrada de Linha</translation>
    </message>
    <message>
        <source>Microfone</source>
        <comment>57741</comment>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>File not found!</source>
        <comment>57742</comment>
        <translation>파일을 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Invalid File!</source>
        <comment>57743</comment>
        <translation>잘못된 파일입니다!</translation>
    </message>
    <message>
        <source>Error - There is no free memory available!</source>
        <comment>57744</comment>
        <translation>오류 - 사용 가능한 메모리가 없습니다!</translation>
    </message>
    <message>
        <source>Velmora ended unexpectedly during a recording of %s.
Do you want to keep the %.1f seconds that were recorded?</source>
        <comment>60001</comment>
        <translation>%s 녹음 중에 Velmora가 예기치 않게 종료되었습니다.
녹음된 %.1f초를 보관하시겠습니까?</translation>
    </message>
    <message>
        <source>The interrupted recording was stored as
%s</source>
        <comment>60002</comment>
        <translation>중단된 녹음을 다음 이름으로 저장했습니다.
%s</translation>
    </message>
    <message>
        <source>Voice Report...</source>
        <comment>64100</comment>
        <translation>음성 보고서...</translation>
    </message>
    <message>
        <source>Voice Report</source>
        <comment>64101</comment>
        <translation>음성 보고서</translation>
    </message>
    <message>
        <source>Calculating the voice report...</source>
        <comment>64102</comment>
        <translation>음성 보고서 계산 중...</translation>
    </message>
    <message>
        <source>Measure</source>
        <comment>64103</comment>
        <translation>측정 항목</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>64104</comment>
        <translation>값</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>64105</comment>
        <translation>단위</translation>
    </message>
    <message>
        <source>Usual range</source>
        <comment>64106</comment>
        <translation>일반 범위</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>64107</comment>
        <translation>복사</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <comment>64108</comment>
        <translation>CSV로 저장...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>64109</comment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|</source>
        <comment>64110</comment>
        <translation>CSV 파일 (*.csv)|*.csv|</translation>
    </message>
    <message>
        <source>No periods: the span holds no voice.</source>
        <comment>64111</comment>
        <translation>주기가 없습니다: 선택 구간에 음성이 없습니다.</translation>
    </message>
    <message>
        <source>The span is shorter than three periods: select a longer part of the voice.</source>
        <comment>64112</comment>
        <translation>선택 구간이 세 주기보다 짧습니다: 음성 구간을 더 길게 선택하십시오.</translation>
    </message>
    <message>
        <source>Usual ranges for: %s</source>
        <comment>64113</comment>
        <translation>일반 범위 기준: %s</translation>
    </message>
    <message>
        <source>adult men</source>
        <comment>64114</comment>
        <translation>성인 남성</translation>
    </message>
    <message>
        <source>adult women</source>
        <comment>64115</comment>
        <translation>성인 여성</translation>
    </message>
    <message>
        <source>adults</source>
        <comment>64117</comment>
        <translation>성인</translation>
    </message>
    <message>
        <source>Voice Report</source>
        <comment>64118</comment>
        <translation>음성 보고서</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>64120</comment>
        <translation>시작</translation>
    </message>
    <message>
        <source>End</source>
        <comment>64121</comment>
        <translation>끝</translation>
    </message>
    <message>
        <source>Median F0</source>
        <comment>64122</comment>
        <translation>F0 중앙값</translation>
    </message>
    <message>
        <source>Mean F0</source>
        <comment>64123</comment>
        <translation>F0 평균</translation>
    </message>
    <message>
        <source>F0 standard deviation</source>
        <comment>64124</comment>
        <translation>F0 표준편차</translation>
    </message>
    <message>
        <source>Minimum F0</source>
        <comment>64125</comment>
        <translation>F0 최솟값</translation>
    </message>
    <message>
        <source>Maximum F0</source>
        <comment>64126</comment>
        <translation>F0 최댓값</translation>
    </message>
    <message>
        <source>Number of pulses</source>
        <comment>64127</comment>
        <translation>펄스 수</translation>
    </message>
    <message>
        <source>Number of periods</source>
        <comment>64128</comment>
        <translation>주기 수</translation>
    </message>
    <message>
        <source>Locally unvoiced frames</source>
        <comment>64129</comment>
        <translation>국소 무성 프레임 비율</translation>
    </message>
    <message>
        <source>Number of voice breaks</source>
        <comment>64130</comment>
        <translation>음성 단절 횟수</translation>
    </message>
    <message>
        <source>Length of voice breaks</source>
        <comment>64131</comment>
        <translation>음성 단절 길이</translation>
    </message>
    <message>
        <source>Jitter (local)</source>
        <comment>64132</comment>
        <translation>Jitter (국소)</translation>
    </message>
    <message>
        <source>Jitter (local, absolute)</source>
        <comment>64133</comment>
        <translation>Jitter (국소, 절대값)</translation>
    </message>
    <message>
        <source>Jitter (RAP)</source>
        <comment>64134</comment>
        <translation>Jitter (RAP)</translation>
    </message>
    <message>
        <source>Jitter (PPQ5)</source>
        <comment>64135</comment>
        <translation>Jitter (PPQ5)</translation>
    </message>
    <message>
        <source>Jitter (DDP)</source>
        <comment>64136</comment>
        <translation>Jitter (DDP)</translation>
    </message>
    <message>
        <source>Shimmer (local)</source>
        <comment>64137</comment>
        <translation>Shimmer (국소)</translation>
    </message>
    <message>
        <source>Shimmer (local, dB)</source>
        <comment>64138</comment>
        <translation>Shimmer (국소, dB)</translation>
    </message>
    <message>
        <source>Shimmer (APQ3)</source>
        <comment>64139</comment>
        <translation>Shimmer (APQ3)</translation>
    </message>
    <message>
        <source>Shimmer (APQ5)</source>
        <comment>64140</comment>
        <translation>Shimmer (APQ5)</translation>
    </message>
    <message>
        <source>Shimmer (APQ11)</source>
        <comment>64141</comment>
        <translation>Shimmer (APQ11)</translation>
    </message>
    <message>
        <source>Shimmer (DDA)</source>
        <comment>64142</comment>
        <translation>Shimmer (DDA)</translation>
    </message>
    <message>
        <source>Mean harmonics-to-noise ratio</source>
        <comment>64143</comment>
        <translation>평균 배음 대 잡음비 (HNR)</translation>
    </message>
    <message>
        <source>Smoothed cepstral peak prominence (CPPS)</source>
        <comment>64144</comment>
        <translation>평활화 켑스트럼 피크 돌출도 (CPPS)</translation>
    </message>
    <message>
        <source>children aged 4 to 9</source>
        <comment>64180</comment>
        <translation>4~9세 아동</translation>
    </message>
</context>
</TS>
