<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Velmora</name>
    <message>
        <source>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</source>
        <comment>100</comment>
        <translation>Falha ao inicializar o OLE.  Verifique se as bibliotecas OLE estão na versão correta.</translation>
    </message>
    <message>
        <source>The screen resolution is higher than the options available!
Please select the option 800 x 600, 1024 x 768 ou 1280 x 800 in the next screen!</source>
        <comment>101</comment>
        <translation>A resolução da tela é maior que as opções disponíveis!
Selecione a opção 800 x 600, 1024 x 768 ou 1280 x 800 na próxima tela!</translation>
    </message>
    <message>
        <source>Error Loading Video Setting Program!</source>
        <comment>103</comment>
        <translation>Erro ao carregar o programa de configuração de vídeo!</translation>
    </message>
    <message>
        <source>It´s not possible to set the resolution!</source>
        <comment>104</comment>
        <translation>Não é possível ajustar a resolução!</translation>
    </message>
    <message>
        <source>Calculating F0...</source>
        <comment>105</comment>
        <translation>Calculando F0...</translation>
    </message>
    <message>
        <source>Attention: The Original File was recorded in Stereo Mode, but he is opened as a Mono file.
Do You Want to save the file as Mono?</source>
        <comment>106</comment>
        <translation>Atenção: o arquivo original foi gravado em modo estéreo, mas foi aberto como arquivo mono.
Deseja salvar o arquivo como mono?</translation>
    </message>
    <message>
        <source>Calculating Formants...</source>
        <comment>107</comment>
        <translation>Calculando formantes...</translation>
    </message>
    <message>
        <source>Client: </source>
        <comment>108</comment>
        <translation>Paciente: </translation>
    </message>
    <message>
        <source>%.1f MB</source>
        <comment>109</comment>
        <translation>%.1f MB</translation>
    </message>
    <message>
        <source>File</source>
        <comment>112</comment>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Insert</source>
        <comment>114</comment>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>115</comment>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <comment>116</comment>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Wait, Please...</source>
        <comment>117</comment>
        <translation>Aguarde, por favor...</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <comment>118</comment>
        <translation>Dados pessoais</translation>
    </message>
    <message>
        <source>Name:</source>
        <comment>119</comment>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <comment>120</comment>
        <translation>Data de nascimento:</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment>121</comment>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>City:</source>
        <comment>122</comment>
        <translation>Cidade:</translation>
    </message>
    <message>
        <source>State:</source>
        <comment>123</comment>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>ZIP:</source>
        <comment>124</comment>
        <translation>CEP:</translation>
    </message>
    <message>
        <source>Home Phone:</source>
        <comment>125</comment>
        <translation>Telefone residencial:</translation>
    </message>
    <message>
        <source>Work Phone:</source>
        <comment>126</comment>
        <translation>Telefone comercial:</translation>
    </message>
    <message>
        <source>Obs.:</source>
        <comment>127</comment>
        <translation>Observações:</translation>
    </message>
    <message>
        <source>Client</source>
        <comment>130</comment>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>131</comment>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>132</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>133</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>%s - Files</source>
        <comment>134</comment>
        <translation>%s - Arquivos</translation>
    </message>
    <message>
        <source>Error changing the screen resolution</source>
        <comment>140</comment>
        <translation>Erro ao alterar a resolução da tela</translation>
    </message>
    <message>
        <source>You must restart your computer to change the resolution! Do you want to restart now?</source>
        <comment>141</comment>
        <translation>É preciso reiniciar o computador para alterar a resolução! Deseja reiniciar agora?</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <comment>142</comment>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <comment>143</comment>
        <translation>Espectro de potência</translation>
    </message>
    <message>
        <source>Backup Done Successfully!
The Backup Files are in the %s Directory</source>
        <comment>146</comment>
        <translation>Backup concluído com sucesso!
Os arquivos do backup estão na pasta %s</translation>
    </message>
    <message>
        <source>Backup Failed!</source>
        <comment>147</comment>
        <translation>Falha no backup!</translation>
    </message>
    <message>
        <source>Select the Backup Directory!</source>
        <comment>148</comment>
        <translation>Selecione a pasta do backup!</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <comment>149</comment>
        <translation>Processo concluído!</translation>
    </message>
    <message>
        <source>Process can´t be Finished!</source>
        <comment>150</comment>
        <translation>O processo não pôde ser concluído!</translation>
    </message>
    <message>
        <source>Dates File can´t be Found!
The Restored Files will have the Actual Date!</source>
        <comment>151</comment>
        <translation>O arquivo de datas não foi encontrado!
Os arquivos restaurados terão a data atual!</translation>
    </message>
    <message>
        <source>There is a Previous Backup In the Selected Directory.
Do you want to replace it?</source>
        <comment>152</comment>
        <translation>Já existe um backup na pasta selecionada.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>It´s not possible to copy Pacw.dbf File!
Backup Can´t be done!</source>
        <comment>153</comment>
        <translation>Não é possível copiar o arquivo Pacw.dbf!
O backup não pode ser feito!</translation>
    </message>
    <message>
        <source>Pacw.dbf File is not in this Directory!</source>
        <comment>154</comment>
        <translation>O arquivo Pacw.dbf não está nesta pasta!</translation>
    </message>
    <message>
        <source>Temporary File can´t be Created!</source>
        <comment>155</comment>
        <translation>O arquivo temporário não pode ser criado!</translation>
    </message>
    <message>
        <source>Dates File can´t be Created!</source>
        <comment>156</comment>
        <translation>O arquivo de datas não pode ser criado!</translation>
    </message>
    <message>
        <source>It was not Possible Create Temporary File!</source>
        <comment>157</comment>
        <translation>Não foi possível criar o arquivo temporário!</translation>
    </message>
    <message>
        <source>It´s not Possible to Restore the sound files dates!
Do you want to Continue?</source>
        <comment>158</comment>
        <translation>Não é possível restaurar as datas dos arquivos de som!
Deseja continuar?</translation>
    </message>
    <message>
        <source>Backup Directory can´t be Removed!</source>
        <comment>159</comment>
        <translation>A pasta do backup não pode ser removida!</translation>
    </message>
    <message>
        <source>Model</source>
        <comment>160</comment>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>File %d</source>
        <comment>161</comment>
        <translation>Arquivo %d</translation>
    </message>
    <message>
        <source>File:</source>
        <comment>162</comment>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Time: </source>
        <comment>163</comment>
        <translation>Tempo: </translation>
    </message>
    <message>
        <source>%s  File - %d</source>
        <comment>164</comment>
        <translation>%s  Arquivo - %d</translation>
    </message>
    <message>
        <source>File - %s</source>
        <comment>165</comment>
        <translation>Arquivo - %s</translation>
    </message>
    <message>
        <source>%s  File - %d</source>
        <comment>166</comment>
        <translation>%s  Arquivo - %d</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <comment>167</comment>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Zoom -</source>
        <comment>168</comment>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>170</comment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source> File %d - Date: %02d/%02d/%04d</source>
        <comment>171</comment>
        <translation> Arquivo %d - Data: %02d/%02d/%04d</translation>
    </message>
    <message>
        <source>Printed with Velmora</source>
        <comment>172</comment>
        <translation>Impresso com o Velmora</translation>
    </message>
    <message>
        <source>Voice analysis report</source>
        <comment>173</comment>
        <translation>Relatório de análise vocal</translation>
    </message>
    <message>
        <source>Error Saving Notes File!</source>
        <comment>174</comment>
        <translation>Erro ao salvar o arquivo de anotações!</translation>
    </message>
    <message>
        <source>%02d/%02d/%04d File %d</source>
        <comment>175</comment>
        <translation>%02d/%02d/%04d Arquivo %d</translation>
    </message>
    <message>
        <source>%d Hz, %d Bits</source>
        <comment>176</comment>
        <translation>%d Hz, %d bits</translation>
    </message>
    <message>
        <source>version 4.2</source>
        <comment>178</comment>
        <translation>versão 4.2</translation>
    </message>
    <message>
        <source>Vol</source>
        <comment>179</comment>
        <translation>Vol</translation>
    </message>
    <message>
        <source>Mic</source>
        <comment>180</comment>
        <translation>Mic</translation>
    </message>
    <message>
        <source>Line In</source>
        <comment>183</comment>
        <translation>Entrada de linha</translation>
    </message>
    <message>
        <source>%s\Models</source>
        <comment>187</comment>
        <translation>%s\Models</translation>
    </message>
    <message>
        <source>Sound File (*.wav)|*.wav|</source>
        <comment>188</comment>
        <translation>Arquivo de som (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>Other Files</source>
        <comment>189</comment>
        <translation>Other Files</translation>
    </message>
    <message>
        <source>Select the Clients You want to send to Backup:</source>
        <comment>194</comment>
        <translation>Selecione os pacientes que deseja enviar para o backup:</translation>
    </message>
    <message>
        <source>Select the Clients You Want to Attach Files:</source>
        <comment>195</comment>
        <translation>Selecione os pacientes cujos arquivos deseja anexar:</translation>
    </message>
    <message>
        <source>It was not possible to get the creation date of %s file. Do you want to continue?</source>
        <comment>197</comment>
        <translation>Não foi possível obter a data de criação do arquivo %s. Deseja continuar?</translation>
    </message>
    <message>
        <source>"%s File can´t be decompressed! Verify If There is Free Space Available!
Do You Want to Continue?</source>
        <comment>198</comment>
        <translation>"O arquivo %s não pode ser descompactado! Verifique se há espaço livre.
Deseja continuar?</translation>
    </message>
    <message>
        <source>Wait:</source>
        <comment>199</comment>
        <translation>Aguarde:</translation>
    </message>
    <message>
        <source>Freeing Data...</source>
        <comment>200</comment>
        <translation>Liberando dados...</translation>
    </message>
    <message>
        <source>Copying...</source>
        <comment>201</comment>
        <translation>Copiando...</translation>
    </message>
    <message>
        <source>decompressing:</source>
        <comment>202</comment>
        <translation>descompactando:</translation>
    </message>
    <message>
        <source>It´s not possible to get the original date of %s file</source>
        <comment>204</comment>
        <translation>Não é possível obter a data original do arquivo %s</translation>
    </message>
    <message>
        <source>%s Files can´t be found!
Do you Want to Continue?</source>
        <comment>205</comment>
        <translation>Os arquivos %s não foram encontrados!
Deseja continuar?</translation>
    </message>
    <message>
        <source>Wait, Removing Backup Directory...</source>
        <comment>206</comment>
        <translation>Aguarde, removendo a pasta do backup...</translation>
    </message>
    <message>
        <source>Wait, Restoring Files...</source>
        <comment>207</comment>
        <translation>Aguarde, restaurando arquivos...</translation>
    </message>
    <message>
        <source>Error Coping %s File! Verify If There Is Free Space!
Do You Want To Continue?</source>
        <comment>208</comment>
        <translation>Erro ao copiar o arquivo %s! Verifique se há espaço livre!
Deseja continuar?</translation>
    </message>
    <message>
        <source>The %s file can´t be recorded!
Verify if the file is opened!</source>
        <comment>210</comment>
        <translation>O arquivo %s não pode ser gravado!
Verifique se o arquivo está aberto!</translation>
    </message>
    <message>
        <source>default</source>
        <comment>211</comment>
        <translation>padrão</translation>
    </message>
    <message>
        <source>Display.exe</source>
        <comment>221</comment>
        <translation>Display.exe</translation>
    </message>
    <message>
        <source>  Reg.: </source>
        <comment>222</comment>
        <translation>  Reg. prof.: </translation>
    </message>
    <message>
        <source>Export Report as PDF...</source>
        <comment>223</comment>
        <translation>Exportar relatório como PDF...</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf|</source>
        <comment>224</comment>
        <translation>Arquivo PDF (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp|</source>
        <comment>225</comment>
        <translation>Imagem bitmap (*.bmp)|*.bmp|</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>260</comment>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Limit:</source>
        <comment>261</comment>
        <translation>Limite:</translation>
    </message>
    <message>
        <source>%d Hz   </source>
        <comment>262</comment>
        <translation>%d Hz   </translation>
    </message>
    <message>
        <source>Error Allocating Buffer</source>
        <comment>276</comment>
        <translation>Erro ao alocar memória para o buffer</translation>
    </message>
    <message>
        <source>No simple factors for ratio</source>
        <comment>277</comment>
        <translation>Não há fatores simples para esta razão de taxas</translation>
    </message>
    <message>
        <source>Filter design too difficult! </source>
        <comment>278</comment>
        <translation>O projeto do filtro é difícil demais! </translation>
    </message>
    <message>
        <source>cannot allocate space for interpolated data</source>
        <comment>279</comment>
        <translation>Não é possível alocar espaço para os dados interpolados</translation>
    </message>
    <message>
        <source>Select the Target Directory:</source>
        <comment>306</comment>
        <translation>Selecione a pasta de destino:</translation>
    </message>
    <message>
        <source>Select the Source Directory:</source>
        <comment>307</comment>
        <translation>Selecione a pasta de origem:</translation>
    </message>
    <message>
        <source>Restore Backup....</source>
        <comment>1000</comment>
        <translation>Restaurar backup....</translation>
    </message>
    <message>
        <source>Create Backup...</source>
        <comment>1003</comment>
        <translation>Criar backup...</translation>
    </message>
    <message>
        <source>&amp;Client</source>
        <comment>3000</comment>
        <translation>&amp;Paciente</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <comment>3001</comment>
        <translation>&amp;Arquivos</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <comment>3002</comment>
        <translation>Á&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>3003</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Update Rate</source>
        <comment>3004</comment>
        <translation>Taxa de atualização</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <comment>3005</comment>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <comment>3006</comment>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>3007</comment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Com&amp;parison</source>
        <comment>3008</comment>
        <translation>Com&amp;paração</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>3009</comment>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <comment>3010</comment>
        <translation>&amp;Novo...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>3011</comment>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>P&amp;ersonal Information...</source>
        <comment>3012</comment>
        <translation>Dados p&amp;essoais...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>3013</comment>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Backup...</source>
        <comment>3014</comment>
        <translation>Fazer &amp;backup...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>3015</comment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Save Changes...</source>
        <comment>3016</comment>
        <translation>&amp;Salvar alterações...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <comment>3017</comment>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Edit Notes...</source>
        <comment>3018</comment>
        <translation>&amp;Editar anotações...</translation>
    </message>
    <message>
        <source>Clean Texts</source>
        <comment>3019</comment>
        <translation>Limpar textos</translation>
    </message>
    <message>
        <source>Export Labels...</source>
        <comment>3020</comment>
        <translation>Exportar rótulos...</translation>
    </message>
    <message>
        <source>Import Labels...</source>
        <comment>3021</comment>
        <translation>Importar rótulos...</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <comment>3022</comment>
        <translation>P&amp;ropriedades...</translation>
    </message>
    <message>
        <source>Export graph as a bmp file...</source>
        <comment>3023</comment>
        <translation>Exportar gráfico como arquivo bmp...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <comment>3024</comment>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Print Preview</source>
        <comment>3025</comment>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <comment>3026</comment>
        <translation>Con&amp;figurar impressão...</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>3027</comment>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <comment>3028</comment>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>3029</comment>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>3030</comment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>3031</comment>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <comment>3032</comment>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>Silence</source>
        <comment>3033</comment>
        <translation>Silêncio</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>3034</comment>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Zoom +</source>
        <comment>3035</comment>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>%d Bytes</source>
        <comment>3036</comment>
        <translation>%d bytes</translation>
    </message>
    <message>
        <source>Volume...</source>
        <comment>3037</comment>
        <translation>Controle de volume...</translation>
    </message>
    <message>
        <source>&amp;Spectrogram</source>
        <comment>3038</comment>
        <translation>&amp;Espectrograma</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <comment>3039</comment>
        <translation>Espectro de potência</translation>
    </message>
    <message>
        <source>&amp;Report...</source>
        <comment>3040</comment>
        <translation>&amp;Relatório...</translation>
    </message>
    <message>
        <source>Record...</source>
        <comment>3041</comment>
        <translation>Gravação...</translation>
    </message>
    <message>
        <source>F0 Setting...</source>
        <comment>3042</comment>
        <translation>Ajuste de F0...</translation>
    </message>
    <message>
        <source>English</source>
        <comment>3043</comment>
        <translation>Inglês (English)</translation>
    </message>
    <message>
        <source>한국어 (Korean)</source>
        <comment>3044</comment>
        <translation>한국어 (coreano)</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <comment>3045</comment>
        <translation>Comparar com arquivo...</translation>
    </message>
    <message>
        <source>Open Model...</source>
        <comment>3046</comment>
        <translation>Abrir modelo...</translation>
    </message>
    <message>
        <source>Save as a Model...</source>
        <comment>3047</comment>
        <translation>Salvar como modelo...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>3048</comment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Contents...</source>
        <comment>3049</comment>
        <translation>Conteúdo...</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <comment>3050</comment>
        <translation>&amp;Sobre o Velmora...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <comment>3051</comment>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>3052</comment>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Colors</source>
        <comment>3060</comment>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Update Rate</source>
        <comment>3061</comment>
        <translation>Taxa de atualização</translation>
    </message>
    <message>
        <source>Limit</source>
        <comment>3062</comment>
        <translation>Limite</translation>
    </message>
    <message>
        <source>LTAS</source>
        <comment>3063</comment>
        <translation>LTAS</translation>
    </message>
    <message>
        <source>Visualisation</source>
        <comment>3064</comment>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Solid</source>
        <comment>3065</comment>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>3066</comment>
        <translation>Linha</translation>
    </message>
    <message>
        <source>FFT Size</source>
        <comment>3067</comment>
        <translation>Tamanho da FFT</translation>
    </message>
    <message>
        <source>Band</source>
        <comment>3068</comment>
        <translation>Banda</translation>
    </message>
    <message>
        <source>F0</source>
        <comment>3069</comment>
        <translation>F0</translation>
    </message>
    <message>
        <source>Formants</source>
        <comment>3070</comment>
        <translation>Formantes</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <comment>3071</comment>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>3072</comment>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>3073</comment>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>3074</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>rate</source>
        <comment>3075</comment>
        <translation>taxa</translation>
    </message>
    <message>
        <source>Playback</source>
        <comment>3076</comment>
        <translation>Reprodução</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>3077</comment>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Gray-Scale</source>
        <comment>3078</comment>
        <translation>Escala de cinza</translation>
    </message>
    <message>
        <source>Colors 1</source>
        <comment>3079</comment>
        <translation>Cores 1</translation>
    </message>
    <message>
        <source>Colors 2</source>
        <comment>3080</comment>
        <translation>Cores 2</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <comment>3081</comment>
        <translation>Azul-escuro</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>3082</comment>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <comment>3083</comment>
        <translation>Verde-escuro</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>3084</comment>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Backup/Restore</source>
        <comment>3100</comment>
        <translation>Backup/Restauração</translation>
    </message>
    <message>
        <source>Send to Backup...</source>
        <comment>3101</comment>
        <translation>Enviar para o backup...</translation>
    </message>
    <message>
        <source>Attach Files...</source>
        <comment>3102</comment>
        <translation>Anexar arquivos...</translation>
    </message>
    <message>
        <source>Create a security copy of the information of all clients without these data being removed from the system.</source>
        <comment>3103</comment>
        <translation>Cria uma cópia de segurança das informações de todos os pacientes sem que esses dados sejam removidos do sistema.</translation>
    </message>
    <message>
        <source>Send the recordings of the chosen clients to a backup; only placeholders stay until they are attached.</source>
        <comment>3104</comment>
        <translation>Envia as gravações dos pacientes escolhidos para um backup; apenas marcadores ficam no sistema até que sejam anexadas.</translation>
    </message>
    <message>
        <source>Restore a security copy of all clients REPLACING all actual data of the system.</source>
        <comment>3105</comment>
        <translation>Restaura uma cópia de segurança de todos os pacientes SUBSTITUINDO todos os dados atuais do sistema.</translation>
    </message>
    <message>
        <source>Attach the backup files of the chosen clients again.</source>
        <comment>3106</comment>
        <translation>Anexa novamente os arquivos do backup dos pacientes escolhidos.</translation>
    </message>
    <message>
        <source>Wait, Copying Data...</source>
        <comment>3107</comment>
        <translation>Aguarde, copiando dados...</translation>
    </message>
    <message>
        <source>Compacting:</source>
        <comment>3108</comment>
        <translation>Compactando:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>3109</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Client</source>
        <comment>3110</comment>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Code:</source>
        <comment>3111</comment>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Man</source>
        <comment>3112</comment>
        <translation>Homem</translation>
    </message>
    <message>
        <source>Woman</source>
        <comment>3113</comment>
        <translation>Mulher</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>3114</comment>
        <translation>Criança</translation>
    </message>
    <message>
        <source>Singer</source>
        <comment>3115</comment>
        <translation>Cantor</translation>
    </message>
    <message>
        <source>Zip:</source>
        <comment>3116</comment>
        <translation>CEP:</translation>
    </message>
    <message>
        <source>Observations:</source>
        <comment>3117</comment>
        <translation>Observações:</translation>
    </message>
    <message>
        <source>Select a Client</source>
        <comment>3118</comment>
        <translation>Selecione um paciente</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>3119</comment>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Open....</source>
        <comment>3120</comment>
        <translation>Abrir....</translation>
    </message>
    <message>
        <source>Personal Information....</source>
        <comment>3121</comment>
        <translation>Dados pessoais....</translation>
    </message>
    <message>
        <source>Delete Client</source>
        <comment>3122</comment>
        <translation>Excluir paciente</translation>
    </message>
    <message>
        <source>New Client</source>
        <comment>3123</comment>
        <translation>Novo paciente</translation>
    </message>
    <message>
        <source>Other
Files</source>
        <comment>3124</comment>
        <translation>Outros
arquivos</translation>
    </message>
    <message>
        <source>Select All</source>
        <comment>3125</comment>
        <translation>Selecionar todos</translation>
    </message>
    <message>
        <source>Convert File ?</source>
        <comment>3126</comment>
        <translation>Converter arquivo?</translation>
    </message>
    <message>
        <source>Warning: The sound file to be imported has an audio format different from the needed!  Do you want to convert it?</source>
        <comment>3127</comment>
        <translation>Aviso: o arquivo de som a ser importado tem um formato de áudio diferente do necessário!  Deseja convertê-lo?</translation>
    </message>
    <message>
        <source>Source:</source>
        <comment>3128</comment>
        <translation>Origem:</translation>
    </message>
    <message>
        <source>Target:</source>
        <comment>3129</comment>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Stereo</source>
        <comment>3130</comment>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <comment>3131</comment>
        <translation>Monoaural</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <comment>3132</comment>
        <translation>Taxa de amostragem:</translation>
    </message>
    <message>
        <source>Stereo to Mono</source>
        <comment>3133</comment>
        <translation>De estéreo para mono</translation>
    </message>
    <message>
        <source>Left channel</source>
        <comment>3134</comment>
        <translation>Canal esquerdo</translation>
    </message>
    <message>
        <source>Right channel</source>
        <comment>3135</comment>
        <translation>Canal direito</translation>
    </message>
    <message>
        <source>Mix Channel</source>
        <comment>3136</comment>
        <translation>Mixar canais</translation>
    </message>
    <message>
        <source>Notes...</source>
        <comment>3137</comment>
        <translation>Anotações...</translation>
    </message>
    <message>
        <source>Notes:</source>
        <comment>3138</comment>
        <translation>Anotações:</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>3139</comment>
        <translation>Anotações</translation>
    </message>
    <message>
        <source>Properties</source>
        <comment>3140</comment>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Informations</source>
        <comment>3141</comment>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Sound File: </source>
        <comment>3142</comment>
        <translation>Arquivo de som: </translation>
    </message>
    <message>
        <source>Rate:</source>
        <comment>3143</comment>
        <translation>Taxa:</translation>
    </message>
    <message>
        <source>Time:</source>
        <comment>3144</comment>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>3145</comment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <comment>3146</comment>
        <translation>Arquivos de som</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>3147</comment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>3148</comment>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Report...</source>
        <comment>3149</comment>
        <translation>Relatório...</translation>
    </message>
    <message>
        <source>Clinic Name or Professional:</source>
        <comment>3150</comment>
        <translation>Nome da clínica ou do profissional:</translation>
    </message>
    <message>
        <source>Registration:</source>
        <comment>3151</comment>
        <translation>Registro profissional:</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>3152</comment>
        <translation>Controle de volume</translation>
    </message>
    <message>
        <source>Playback and Record Volume</source>
        <comment>3153</comment>
        <translation>Volume de reprodução e gravação</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <comment>3154</comment>
        <translation>Controle de volume</translation>
    </message>
    <message>
        <source>Wave Sound</source>
        <comment>3155</comment>
        <translation>Som wave</translation>
    </message>
    <message>
        <source>Wait...</source>
        <comment>3156</comment>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>F0 Setting...</source>
        <comment>3157</comment>
        <translation>Ajuste de F0...</translation>
    </message>
    <message>
        <source>F0 Range</source>
        <comment>3158</comment>
        <translation>Faixa de F0</translation>
    </message>
    <message>
        <source>Min.:</source>
        <comment>3159</comment>
        <translation>Mín.:</translation>
    </message>
    <message>
        <source>Max:</source>
        <comment>3160</comment>
        <translation>Máx.:</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <comment>3161</comment>
        <translation>Inserir texto</translation>
    </message>
    <message>
        <source>Text:</source>
        <comment>3162</comment>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>3163</comment>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Attention!</source>
        <comment>3164</comment>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>The File is too large!</source>
        <comment>3165</comment>
        <translation>O arquivo é muito grande!</translation>
    </message>
    <message>
        <source>Select (Zoom) a small area (max. 20 seconds) to add texts!</source>
        <comment>3166</comment>
        <translation>Selecione (amplie) uma área pequena (máx. 20 segundos) para inserir textos!</translation>
    </message>
    <message>
        <source>Move</source>
        <comment>3167</comment>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Edit...</source>
        <comment>3168</comment>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Wait, starting audio devices...</source>
        <comment>3169</comment>
        <translation>Aguarde, iniciando os dispositivos de áudio...</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <comment>3170</comment>
        <translation>Ajuda do Velmora</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <comment>3171</comment>
        <translation>Sobre o Velmora</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>3172</comment>
        <translation>Linha</translation>
    </message>
    <message>
        <source> Stereo</source>
        <comment>3173</comment>
        <translation> Estéreo</translation>
    </message>
    <message>
        <source> Mono</source>
        <comment>3174</comment>
        <translation> Monoaural</translation>
    </message>
    <message>
        <source>MM  /  DD  /   YYYY</source>
        <comment>3175</comment>
        <translation>DD  /  MM  /   AAAA</translation>
    </message>
    <message>
        <source>Record Setting...</source>
        <comment>3176</comment>
        <translation>Ajuste de gravação...</translation>
    </message>
    <message>
        <source>Input:</source>
        <comment>3177</comment>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>3178</comment>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Export Labels</source>
        <comment>3179</comment>
        <translation>Exportar rótulos</translation>
    </message>
    <message>
        <source>Import Labels</source>
        <comment>3180</comment>
        <translation>Importar rótulos</translation>
    </message>
    <message>
        <source>%d labels ran into the next one and end where it begins; %d had no length in the recording and were left out.</source>
        <comment>3181</comment>
        <translation>%d rótulos avançavam sobre o seguinte e agora terminam onde ele começa; %d não tinham duração dentro da gravação e foram omitidos.</translation>
    </message>
    <message>
        <source>%d intervals with text did not become labels (more than 50, or no length in the recording).</source>
        <comment>3182</comment>
        <translation>%d intervalos com texto não viraram rótulos (mais de 50, ou sem duração dentro da gravação).</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <comment>3183</comment>
        <translation>Salvar alterações?</translation>
    </message>
    <message>
        <source>The Actual sound file was change. What do you want to do?</source>
        <comment>3184</comment>
        <translation>O arquivo de som atual foi alterado. O que você deseja fazer?</translation>
    </message>
    <message>
        <source>Save this File</source>
        <comment>3185</comment>
        <translation>Salvar este arquivo</translation>
    </message>
    <message>
        <source>Save as new File</source>
        <comment>3186</comment>
        <translation>Salvar como novo arquivo</translation>
    </message>
    <message>
        <source>Don´t save</source>
        <comment>3187</comment>
        <translation>Não salvar</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>3188</comment>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Open File</source>
        <comment>3189</comment>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Attention: This file was recorded in stereo mode. How do you want to open it?

Stereo to Mono</source>
        <comment>3190</comment>
        <translation>Atenção: este arquivo foi gravado em modo estéreo. Como você deseja abri-lo?

De estéreo para mono</translation>
    </message>
    <message>
        <source>Only the Left Channel</source>
        <comment>3191</comment>
        <translation>Somente o canal esquerdo</translation>
    </message>
    <message>
        <source>Only the Right Channel</source>
        <comment>3192</comment>
        <translation>Somente o canal direito</translation>
    </message>
    <message>
        <source>Mix Channels</source>
        <comment>3193</comment>
        <translation>Mixar canais</translation>
    </message>
    <message>
        <source>Velmora needs a different video resolution !

Required:
Resolution : 800 x 600, 1024 x 768 ou 1280 x 800 pixels
Colors: High Color (16 bits) or better

Do you want to change the configuration now ?

After change the resolution load Velmora again!</source>
        <comment>3194</comment>
        <translation>O Velmora precisa de outra resolução de tela!

Requisitos:
Resolução: 800 x 600, 1024 x 768 ou 1280 x 800 pixels
Cores: High Color (16 bits) ou superior

Deseja alterar a configuração agora?

Depois de alterar a resolução, abra o Velmora novamente!</translation>
    </message>
    <message>
        <source>You need to select a Item!</source>
        <comment>57646</comment>
        <translation>Você precisa selecionar um item!</translation>
    </message>
    <message>
        <source>Error Reading File</source>
        <comment>57647</comment>
        <translation>Erro ao ler o arquivo</translation>
    </message>
    <message>
        <source>Attention, All Information about this Client will be deleted!
Are You sure you want to Continue?</source>
        <comment>57648</comment>
        <translation>Atenção: todas as informações deste paciente serão excluídas!
Tem certeza de que deseja continuar?</translation>
    </message>
    <message>
        <source>Client´s folder can´t be deleted!</source>
        <comment>57649</comment>
        <translation>A pasta do paciente não pode ser excluída!</translation>
    </message>
    <message>
        <source>Type the Client´s name you want to search!</source>
        <comment>57650</comment>
        <translation>Digite o nome do paciente que deseja procurar!</translation>
    </message>
    <message>
        <source>Client not found!</source>
        <comment>57651</comment>
        <translation>Paciente não encontrado!</translation>
    </message>
    <message>
        <source>This file was send to Backup!
It´s necessary to attach backup files to access this file!</source>
        <comment>57652</comment>
        <translation>Este arquivo foi enviado para o backup!
É necessário anexar os arquivos do backup para acessá-lo!</translation>
    </message>
    <message>
        <source>Select a file!</source>
        <comment>57654</comment>
        <translation>Selecione um arquivo!</translation>
    </message>
    <message>
        <source>Attention, All Information about this File will be deleted!
Are you Sure you Want to Continue?</source>
        <comment>57655</comment>
        <translation>Atenção: todas as informações deste arquivo serão excluídas!
Tem certeza de que deseja continuar?</translation>
    </message>
    <message>
        <source>Error deleting File!</source>
        <comment>57656</comment>
        <translation>Erro ao excluir o arquivo!</translation>
    </message>
    <message>
        <source>Error Saving File!</source>
        <comment>57661</comment>
        <translation>Erro ao salvar o arquivo!</translation>
    </message>
    <message>
        <source>Attention! Select the Audio Input in the Windows Record Control!</source>
        <comment>57662</comment>
        <translation>Atenção! Selecione a entrada de áudio no controle de gravação do sistema!</translation>
    </message>
    <message>
        <source>Invalid Function!</source>
        <comment>57663</comment>
        <translation>Função inválida!</translation>
    </message>
    <message>
        <source>You need to select an area!</source>
        <comment>57667</comment>
        <translation>Você precisa selecionar uma área!</translation>
    </message>
    <message>
        <source>Error freeing memory!</source>
        <comment>57668</comment>
        <translation>Erro ao liberar memória!</translation>
    </message>
    <message>
        <source>Error Playing Sound File!</source>
        <comment>57669</comment>
        <translation>Erro ao reproduzir o arquivo de som!</translation>
    </message>
    <message>
        <source>Error WaveOutPrepareHeader</source>
        <comment>57670</comment>
        <translation>Erro ao preparar o buffer de reprodução</translation>
    </message>
    <message>
        <source>File needs to have at least 0.5 seconds!</source>
        <comment>57671</comment>
        <translation>O arquivo precisa ter pelo menos 0,5 segundo!</translation>
    </message>
    <message>
        <source>Error - Loading Buffer</source>
        <comment>57672</comment>
        <translation>Erro ao carregar o buffer</translation>
    </message>
    <message>
        <source>Warning: The Directory can´t to be the same which Velmora is Installed! Select or Create a New Directory!</source>
        <comment>57674</comment>
        <translation>Aviso: a pasta não pode ser a mesma em que o Velmora está instalado! Selecione ou crie uma nova pasta!</translation>
    </message>
    <message>
        <source>It´s not possible to inicialize your Display Properties. Please access Control Panel,
Click on 'Display' and set the color number to High Color (16 bits) or higher</source>
        <comment>57694</comment>
        <translation>Não é possível abrir as propriedades de vídeo. Abra as configurações de tela do sistema,
e ajuste o número de cores para High Color (16 bits) ou mais</translation>
    </message>
    <message>
        <source>Error saving File!</source>
        <comment>57695</comment>
        <translation>Erro ao salvar o arquivo de rótulos!</translation>
    </message>
    <message>
        <source>Max. number of texts!</source>
        <comment>57696</comment>
        <translation>Número máximo de textos!</translation>
    </message>
    <message>
        <source>Error Loading Header</source>
        <comment>57697</comment>
        <translation>Erro ao carregar o cabeçalho</translation>
    </message>
    <message>
        <source>It was not possible to start recording</source>
        <comment>57698</comment>
        <translation>Não foi possível iniciar a gravação</translation>
    </message>
    <message>
        <source>There is no free memory available!</source>
        <comment>57699</comment>
        <translation>Não há memória livre disponível!</translation>
    </message>
    <message>
        <source>Error Freeing Header!</source>
        <comment>57701</comment>
        <translation>Erro ao liberar o cabeçalho!</translation>
    </message>
    <message>
        <source>Error writing to file
Verify if there is free space!</source>
        <comment>57702</comment>
        <translation>Erro ao gravar no arquivo
Verifique se há espaço livre!</translation>
    </message>
    <message>
        <source>Error stop recording - code: 001</source>
        <comment>57703</comment>
        <translation>Erro ao parar a gravação - código: 001</translation>
    </message>
    <message>
        <source>Error stop recording - code: 002</source>
        <comment>57704</comment>
        <translation>Erro ao parar a gravação - código: 002</translation>
    </message>
    <message>
        <source>It was not possible to open the Playback channel!</source>
        <comment>57705</comment>
        <translation>Não foi possível abrir o canal de reprodução!</translation>
    </message>
    <message>
        <source>Velmora was not ended properly in the last utilisation. Please, reduce the screen update rate before starting recording a new sound file.</source>
        <comment>57706</comment>
        <translation>O Velmora não foi encerrado corretamente na última utilização. Reduza a taxa de atualização da tela antes de gravar um novo arquivo de som.</translation>
    </message>
    <message>
        <source>Verify if other Program is using the audio channel or if your audio devices are installed properly!
Do you want to Continue?</source>
        <comment>57707</comment>
        <translation>Verifique se outro programa está usando o canal de áudio ou se os dispositivos de áudio estão instalados corretamente!
Deseja continuar?</translation>
    </message>
    <message>
        <source>Mic. Input can´t be found!
Do You want to Continue?</source>
        <comment>57708</comment>
        <translation>A entrada de microfone não foi encontrada!
Deseja continuar?</translation>
    </message>
    <message>
        <source>Warning! It´s not Possible to Define the Selected Input!</source>
        <comment>57709</comment>
        <translation>Aviso! Não é possível definir a entrada selecionada!</translation>
    </message>
    <message>
        <source>Error Acessing Client´s folder !</source>
        <comment>57710</comment>
        <translation>Erro ao acessar a pasta do paciente!</translation>
    </message>
    <message>
        <source>Undefined Type!</source>
        <comment>57711</comment>
        <translation>Tipo indefinido!</translation>
    </message>
    <message>
        <source>Error Accessing Database!</source>
        <comment>57712</comment>
        <translation>Erro ao acessar o banco de dados!</translation>
    </message>
    <message>
        <source>Number of files exceeds to 150!
Insert a new client to continue...</source>
        <comment>57713</comment>
        <translation>O número de arquivos ultrapassa 150!
Cadastre um novo paciente para continuar...</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <comment>57714</comment>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Volume Control can´t be  can´t be Inicialized!</source>
        <comment>57716</comment>
        <translation>O controle de volume não pode ser iniciado!</translation>
    </message>
    <message>
        <source>Invalid Day !</source>
        <comment>57717</comment>
        <translation>Dia inválido!</translation>
    </message>
    <message>
        <source>Invalid Month !</source>
        <comment>57718</comment>
        <translation>Mês inválido!</translation>
    </message>
    <message>
        <source>Invalid Year 
Range: 1890 to 2050</source>
        <comment>57719</comment>
        <translation>Ano inválido
Intervalo: 1890 a 2050</translation>
    </message>
    <message>
        <source>You need to type the client´s name!</source>
        <comment>57720</comment>
        <translation>Você precisa digitar o nome do paciente!</translation>
    </message>
    <message>
        <source>The Client is Man/Woman, Singer or Child?</source>
        <comment>57721</comment>
        <translation>O paciente é homem/mulher, cantor ou criança?</translation>
    </message>
    <message>
        <source>Invalid Year (it must have 4 digits)
Sample.: 1974</source>
        <comment>57722</comment>
        <translation>Ano inválido (deve ter 4 dígitos)
Exemplo: 1974</translation>
    </message>
    <message>
        <source>The Client´s Folder already exist</source>
        <comment>57723</comment>
        <translation>A pasta do paciente já existe</translation>
    </message>
    <message>
        <source>It´s necessary to select at least one client!</source>
        <comment>57724</comment>
        <translation>É necessário selecionar pelo menos um paciente!</translation>
    </message>
    <message>
        <source>File rate must be 44100 Hz, 22050 Hz or 11025 Hz!</source>
        <comment>57730</comment>
        <translation>A taxa do arquivo deve ser 44100 Hz, 22050 Hz ou 11025 Hz!</translation>
    </message>
    <message>
        <source>The file must be 16 Bits</source>
        <comment>57731</comment>
        <translation>O arquivo deve ser de 16 bits</translation>
    </message>
    <message>
        <source>Error saving File.</source>
        <comment>57732</comment>
        <translation>Erro ao salvar o arquivo.</translation>
    </message>
    <message>
        <source>The file can´t be opened!</source>
        <comment>57733</comment>
        <translation>O arquivo não pode ser aberto!</translation>
    </message>
    <message>
        <source>File Imported Successfully!</source>
        <comment>57734</comment>
        <translation>Arquivo importado com sucesso!</translation>
    </message>
    <message>
        <source>The File to be Imported should be 16 Bits!
The Process will be Canceled!</source>
        <comment>57736</comment>
        <translation>O arquivo a ser importado deve ser de 16 bits!
O processo será cancelado!</translation>
    </message>
    <message>
        <source>Error Importing File!</source>
        <comment>57737</comment>
        <translation>Erro ao importar o arquivo!</translation>
    </message>
    <message>
        <source>Error allocating Memory!</source>
        <comment>57738</comment>
        <translation>Erro ao alocar memória!</translation>
    </message>
    <message>
        <source>Error Opening .ddt file!</source>
        <comment>57739</comment>
        <translation>Erro ao abrir o arquivo .ddt!</translation>
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
        <translation>Arquivo não encontrado!</translation>
    </message>
    <message>
        <source>Invalid File!</source>
        <comment>57743</comment>
        <translation>Arquivo inválido!</translation>
    </message>
    <message>
        <source>Error - There is no free memory available!</source>
        <comment>57744</comment>
        <translation>Erro - não há memória livre disponível!</translation>
    </message>
    <message>
        <source>Velmora ended unexpectedly during a recording of %s.
Do you want to keep the %.1f seconds that were recorded?</source>
        <comment>60001</comment>
        <translation>O Velmora foi encerrado inesperadamente durante uma gravação de %s.
Deseja manter os %.1f segundos gravados?</translation>
    </message>
    <message>
        <source>The interrupted recording was stored as
%s</source>
        <comment>60002</comment>
        <translation>A gravação interrompida foi salva como
%s</translation>
    </message>
    <message>
        <source>Voice Report...</source>
        <comment>64100</comment>
        <translation>Relatório de voz...</translation>
    </message>
    <message>
        <source>Voice Report</source>
        <comment>64101</comment>
        <translation>Relatório de voz</translation>
    </message>
    <message>
        <source>Calculating the voice report...</source>
        <comment>64102</comment>
        <translation>Calculando o relatório de voz...</translation>
    </message>
    <message>
        <source>Measure</source>
        <comment>64103</comment>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>64104</comment>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>64105</comment>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Usual range</source>
        <comment>64106</comment>
        <translation>Faixa usual</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>64107</comment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <comment>64108</comment>
        <translation>Salvar como CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>64109</comment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|</source>
        <comment>64110</comment>
        <translation>Arquivo CSV (*.csv)|*.csv|</translation>
    </message>
    <message>
        <source>No periods: the span holds no voice.</source>
        <comment>64111</comment>
        <translation>Sem períodos: o trecho não contém voz.</translation>
    </message>
    <message>
        <source>The span is shorter than three periods: select a longer part of the voice.</source>
        <comment>64112</comment>
        <translation>O trecho é mais curto que três períodos: selecione uma parte mais longa da voz.</translation>
    </message>
    <message>
        <source>Usual ranges for: %s</source>
        <comment>64113</comment>
        <translation>Faixas usuais para: %s</translation>
    </message>
    <message>
        <source>adult men</source>
        <comment>64114</comment>
        <translation>homens adultos</translation>
    </message>
    <message>
        <source>adult women</source>
        <comment>64115</comment>
        <translation>mulheres adultas</translation>
    </message>
    <message>
        <source>adults</source>
        <comment>64117</comment>
        <translation>adultos</translation>
    </message>
    <message>
        <source>Voice Report</source>
        <comment>64118</comment>
        <translation>Relatório de voz</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>64120</comment>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <comment>64121</comment>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Median F0</source>
        <comment>64122</comment>
        <translation>F0 mediana</translation>
    </message>
    <message>
        <source>Mean F0</source>
        <comment>64123</comment>
        <translation>F0 média</translation>
    </message>
    <message>
        <source>F0 standard deviation</source>
        <comment>64124</comment>
        <translation>Desvio padrão da F0</translation>
    </message>
    <message>
        <source>Minimum F0</source>
        <comment>64125</comment>
        <translation>F0 mínima</translation>
    </message>
    <message>
        <source>Maximum F0</source>
        <comment>64126</comment>
        <translation>F0 máxima</translation>
    </message>
    <message>
        <source>Number of pulses</source>
        <comment>64127</comment>
        <translation>Número de pulsos</translation>
    </message>
    <message>
        <source>Number of periods</source>
        <comment>64128</comment>
        <translation>Número de períodos</translation>
    </message>
    <message>
        <source>Locally unvoiced frames</source>
        <comment>64129</comment>
        <translation>Quadros localmente não vozeados</translation>
    </message>
    <message>
        <source>Number of voice breaks</source>
        <comment>64130</comment>
        <translation>Número de quebras de voz</translation>
    </message>
    <message>
        <source>Length of voice breaks</source>
        <comment>64131</comment>
        <translation>Duração das quebras de voz</translation>
    </message>
    <message>
        <source>Jitter (local)</source>
        <comment>64132</comment>
        <translation>Jitter local</translation>
    </message>
    <message>
        <source>Jitter (local, absolute)</source>
        <comment>64133</comment>
        <translation>Jitter local absoluto</translation>
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
        <translation>Shimmer local</translation>
    </message>
    <message>
        <source>Shimmer (local, dB)</source>
        <comment>64138</comment>
        <translation>Shimmer local em dB</translation>
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
        <translation>Relação harmônico-ruído média</translation>
    </message>
    <message>
        <source>Smoothed cepstral peak prominence (CPPS)</source>
        <comment>64144</comment>
        <translation>Proeminência do pico cepstral suavizada (CPPS)</translation>
    </message>
    <message>
        <source>children aged 4 to 9</source>
        <comment>64180</comment>
        <translation>crianças de 4 a 9 anos</translation>
    </message>
</context>
</TS>
